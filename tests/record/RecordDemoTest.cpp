// Records a small application under a virtual display started here, through htmlsim-cli,
// pressing its controls with XTest as a user would, and checks the pages against the screens
// the application showed. The pages stay in $HTMLSIM_RECORDED for the browser test.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdlib>
#include <filesystem>

#include "RecordedApplication.h"
#include "TempFolder.h"
#include "services/NoPictures.h"
#include "simulation/FilePageReader.h"

namespace htmlsim::testing {
namespace {

namespace fs = std::filesystem;

fs::path RecordedFolder() {
    const char* folder = std::getenv("HTMLSIM_RECORDED");
    const fs::path path =
        folder ? fs::path(folder) : fs::temp_directory_path() / "htmlsim-recorded";
    fs::remove_all(path);
    fs::create_directories(path);
    return path;
}

struct RecordedPage {
    std::vector<ClickableAreaPtr> areas;
    std::vector<ClickableAreaPtr> balloons;
};

RecordedPage ReadRecordedPage(const fs::path& folder, int number) {
    NoPictures pictures;
    FilePageReader reader(pictures);
    RecordedPage page;
    const std::string path = (folder / ("demo00" + std::to_string(number) + ".html")).string();
    for (const ClickableAreaPtr& area : reader.ReadPage(path).Areas) {
        (area->AreaType == kAreaBalloon ? page.balloons : page.areas).push_back(area);
    }
    return page;
}

QImage RecordedPicture(const fs::path& folder, int number) {
    return ReadPicture(folder / ("demo00" + std::to_string(number) + ".png"));
}

TEST(RecordUnderXvfb, ThreePressesAndAWordBecomeFourPagesOfTheScreensBeforeEachPress) {
    const fs::path folder = RecordedFolder();
    RecordedApplication application(folder);
    std::vector<std::pair<QImage, Click>> pressed;
    pressed.push_back(application.Press("Open", 1));
    pressed.push_back(application.Press("Options", 3));
    application.Type("hello");  // into the Name field, which has the focus
    pressed.push_back(application.Press("Go", 1));
    const QImage last = application.Screen();
    ASSERT_EQ(application.Stop().exitStatus, 0);

    for (int number = 1; number <= 3; ++number) {
        SCOPED_TRACE(number);
        const auto& [screen, click] = pressed[number - 1];
        EXPECT_EQ(RecordedPicture(folder, number), screen);
        const RecordedPage page = ReadRecordedPage(folder, number);
        ASSERT_EQ(page.areas.size(), 1u);
        EXPECT_TRUE(
            page.areas[0]->IsWithin(static_cast<float>(click.x), static_cast<float>(click.y)));
        EXPECT_EQ(page.areas[0]->ClickType(), click.button == 3 ? "right" : "left");
        EXPECT_EQ(page.areas[0]->LinkAddress, "demo00" + std::to_string(number + 1) + ".html");
        EXPECT_EQ(page.balloons.size(), number == 3 ? 1u : 0u);
    }
    EXPECT_EQ(ReadRecordedPage(folder, 3).balloons.at(0)->Balloon().InnerHTML, "Type: hello");
    EXPECT_EQ(RecordedPicture(folder, 4), last);
    EXPECT_TRUE(ReadRecordedPage(folder, 4).areas.empty());

    const std::string script = ReadFileBytes(folder / "Sim.js");
    for (const char* expected :
         {"demo002.html, left, 2\");\r\n  walk.push(new page(1, \"demo001\"",
          "demo003.html, right, 3\");\r\n  walk.push(new page(2, \"demo002\"",
          "demo004.html, left, 4\");\r\n  walk.push(new page(3, \"demo003\"",
          "Areas));\r\n  walk.push(new page(4, \"demo004\", \"demo004.png\", Areas));\r\n}"}) {
        EXPECT_NE(script.find(expected), std::string::npos) << expected;
    }
}

// With the accessibility bus the area is the control's own box and named after it; a
// password typed into a field it reports as one is not kept.
TEST(RecordUnderXvfb, AccessibleControlsGiveTheAreaAndTitleAndHidePasswords) {
    TempFolder folder;
    RecordedApplication application(folder.Path());
    const ShapeBox open = application.Controls().at("Open");
    application.Press("Open", 1);
    application.Press("Options", 3);
    const ShapeBox password = application.Controls().at("Password");
    application.Press("Password", 1);
    application.Type("secret");
    application.Press("Go", 1);
    ASSERT_EQ(application.Stop().exitStatus, 0);

    const ClickableArea& area = *ReadRecordedPage(folder.Path(), 1).areas.at(0);
    EXPECT_EQ(area.Title, "Open");
    for (const auto& [found, expected] : {std::pair{area.Left, open.Left},
                                          {area.Top, open.Top},
                                          {area.Width, open.Width},
                                          {area.Height, open.Height}}) {
        EXPECT_LE(std::abs(found - expected), 1);
    }
    const ClickableArea& field = *ReadRecordedPage(folder.Path(), 3).areas.at(0);
    EXPECT_EQ(field.Title, "Password");
    EXPECT_LE(std::abs(field.Width - password.Width), 1);
    EXPECT_TRUE(ReadRecordedPage(folder.Path(), 4).balloons.empty());
    EXPECT_EQ(ReadFileBytes(folder.Path() / "demo004.html").find("secret"), std::string::npos);
}

}  // namespace
}  // namespace htmlsim::testing
