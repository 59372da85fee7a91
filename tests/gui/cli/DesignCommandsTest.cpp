#include <gtest/gtest.h>

#include <QImage>
#include <nlohmann/json.hpp>

#include "../Pictures.h"
#include "CliRunner.h"
#include "PageDocument.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

// A folder with a 400 x 300 picture and a page that shows it three ways.
class CliDesignPage : public ::testing::Test {
  protected:
    CliDesignPage() {
        EXPECT_TRUE(WritePicture(folder.File("shot.png"), 400, 300));
        WriteFileBytes(
            folder.File("page.html"),
            DesignDocument(
                "<P>stray</P>\r\n"
                "<IMG SRC='shot.png' Name='Shot' Width='200' STYLE='position:absolute; "
                "left:12.5px; top:13.5px' UseMap='#Map1'/>\r\n"
                "<map name='Map1'>\r\n"
                "<AREA SHAPE='rect' COORDS='10,10,50,40' Title='Next' HREF='p2.htm'/> \r\n"
                "</map>\r\n"
                "<a HREF='p3.htm'><IMG SRC='./shot.png' TITLE='Go' Height='30'/></a>\r\n",
                "",
                "<div id='Balloon_1' style='position:absolute; left:1px; top:2px; width:30; "
                "height:20px;background-color:salmon; border-radius:4px;'>Hi</div>\r\n"));
    }

    TempFolder folder;
};

TEST_F(CliDesignPage, DesignPrintsTheImportedModelAndItsMessages) {
    const CliResult result = RunCli({"design", "page.html"}, folder.Path().string());
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const auto design = nlohmann::ordered_json::parse(result.out);
    std::vector<std::string> keys;
    for (const auto& item : design.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"encoding", "images", "areas", "labels", "anchors",
                                              "inputs", "messages"}));
    EXPECT_TRUE(result.out.starts_with("{\n  \"encoding\": \"UTF-8\",\n  \"images\": [\n"));

    // The values are the import's, tested on the core; here the fields must reach the JSON.
    ASSERT_EQ(design["images"].size(), 2u);
    EXPECT_EQ(design["images"][0]["PathAndName"], folder.File("shot.png"));
    EXPECT_EQ(design["images"][0].size(), 18u);
    ASSERT_EQ(design["areas"].size(), 2u);
    EXPECT_EQ(design["areas"][0].size(), 15u);
    EXPECT_EQ(design["labels"], nlohmann::json::array());
    EXPECT_EQ(design["messages"],
              nlohmann::ordered_json::parse(
                  R"([{"text": "Tag Not Understood: 'P'", "title": "", "icon": "none",
                        "count": 1, "line": 8}])"));  // the Images section's first line

    const CliResult missing = RunCli({"design", folder.File("none.html")});
    EXPECT_EQ(missing.exitStatus, 1);
    EXPECT_EQ(missing.out, "");
}

TEST(CliDesign, TheTextsOfAWindows1252PageArePrintedAsItsCharacters) {
    TempFolder folder;
    WriteFileBytes(folder.File("page.html"),
                   ReadFileBytes(std::string(HTMLSIM_SOURCE_DIR) +
                                 "/tests/data/encoding/windows-1252-page.html"));
    const CliResult result = RunCli({"design", "page.html"}, folder.Path().string());
    const auto design = nlohmann::ordered_json::parse(result.out);
    EXPECT_EQ(design["encoding"], "Windows-1252");
    EXPECT_EQ(design["labels"][0]["InnerHTML"], "Caf\xC3\xA9");
    EXPECT_EQ(design["areas"][0]["Title"],
              "Gr\xC3\xB6\xC3\x9F"
              "e");
    EXPECT_EQ(design["areas"][2]["InnerHTML"], "Bitte\xC2\xA0hier\r\nklicken, caf\xC3\xA9");
}

TEST_F(CliDesignPage, RegenerateOfItsOwnOutputIsByteIdentical) {
    const CliResult first = RunCli({"regenerate", folder.File("page.html")});
    EXPECT_EQ(first.exitStatus, 1);  // the stray paragraph was reported
    EXPECT_EQ(first.err, "message: Tag Not Understood: 'P'\n");
    EXPECT_NE(first.out.find("<P>stray</P>\r\n"), std::string::npos);  // kept where it stands
    // Unchanged elements keep their bytes.
    EXPECT_NE(first.out.find("<a HREF='p3.htm'><IMG SRC='./shot.png' TITLE='Go' Height='30'/></a>"),
              std::string::npos);

    WriteFileBytes(folder.File("again.html"), first.out);
    const CliResult second = RunCli({"regenerate", folder.File("again.html")});
    EXPECT_EQ(second.err, first.err);
    EXPECT_EQ(second.out, first.out);

    EXPECT_EQ(RunCli({"regenerate"}).exitStatus, 2);
}

}  // namespace
}  // namespace htmlsim::testing
