#include <gtest/gtest.h>

#include <QImage>
#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "PageDocument.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

// A page with two labels, an anchor and a checkbox input, and no images.
class CliControlsPage : public ::testing::Test {
  protected:
    CliControlsPage() {
        WriteFileBytes(
            folder.File("page.html"),
            PageDocument({{"Images", ""},
                          {"Labels",
                           "<Label style='position:absolute; left:20px; top:10px; color:red; "
                           "font-size:20'>Red</Label>\r\n<Label>Two</Label>\r\n"},
                          {"Anchors", "<A style='left:20px; top:60px' HREF='b.html'>Go</A>\r\n"},
                          {"Inputs",
                           "<Input type='checkbox' style='left:20px; top:100px' "
                           "checked='yes'/>\r\n"}}));
    }

    TempFolder folder;
};

TEST_F(CliControlsPage, DesignListsTheControlsInPageOrder) {
    const CliResult result = RunCli({"design", "page.html"}, folder.Path().string());
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const auto design = nlohmann::ordered_json::parse(result.out);
    ASSERT_EQ(design["labels"].size(), 2u);
    EXPECT_EQ(design["labels"][0]["InnerHTML"], "Red");
    EXPECT_EQ(design["labels"][1]["InnerHTML"], "Two");
    EXPECT_EQ(design["labels"][0].size(), 3u);
    ASSERT_EQ(design["anchors"].size(), 1u);
    EXPECT_EQ(design["anchors"][0]["HREF"], "b.html");
    EXPECT_EQ(design["anchors"][0].size(), 6u);
    ASSERT_EQ(design["inputs"].size(), 1u);
    EXPECT_EQ(design["inputs"][0]["Type2"], "CHECKBOX");
    EXPECT_EQ(design["inputs"][0]["Checked"], true);
    EXPECT_EQ(design["inputs"][0].size(), 13u);
}

TEST_F(CliControlsPage, RegenerateWritesTheControlSectionsAndIsStable) {
    const CliResult first = RunCli({"regenerate", folder.File("page.html")});
    ASSERT_EQ(first.exitStatus, 0) << first.err;
    EXPECT_NE(first.out.find("<Label>Two</Label>\r\n"), std::string::npos);
    EXPECT_NE(first.out.find("Checked='Checked'"), std::string::npos);
    WriteFileBytes(folder.File("again.html"), first.out);
    const CliResult second = RunCli({"regenerate", folder.File("again.html")});
    EXPECT_EQ(second.out, first.out);
}

TEST_F(CliControlsPage, RenderDrawsTheControlsWhereTheirStylesPlaceThem) {
    const CliResult result =
        RunCli({"render", "page.html", "-o", "page.png"}, folder.Path().string());
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const QImage shown(QString::fromStdString(folder.File("page.png")));
    ASSERT_GE(shown.width(), 40);
    ASSERT_GE(shown.height(), 110);
    int red = 0;
    for (int y = 10; y < 40; ++y) {
        for (int x = 20; x < 60; ++x) {
            const QColor color = shown.pixelColor(x, y);
            red += color.red() > 200 && color.green() < 80 ? 1 : 0;
        }
    }
    EXPECT_GT(red, 10);
}

}  // namespace
}  // namespace htmlsim::testing
