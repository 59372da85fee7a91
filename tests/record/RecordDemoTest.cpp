// Records a small application under a virtual display started here, through htmlsim-cli,
// pressing its controls with XTest as a user would, and checks the pages against the screens
// the application showed. The pages stay in $HTMLSIM_RECORDED for the browser test.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <tuple>

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

// With the accessibility bus each area is the control's own box and named after it; a word
// typed into a field before a press is that page's balloon, but not one typed into a password.
TEST(RecordUnderXvfb, FourPressesAndTwoWordsBecomeFivePagesOfTheScreensBeforeEachPress) {
    const fs::path folder = RecordedFolder();
    RecordedApplication application(folder);
    std::vector<std::tuple<std::string, ShapeBox, QImage, Click>> pressed;
    const auto press = [&](const std::string& control, unsigned button) {
        const ShapeBox box = application.Controls().at(control);
        const auto [screen, click] = application.Press(control, button);
        pressed.emplace_back(control, box, screen, click);
    };
    press("Open", 1);
    press("Options", 3);
    application.Type("hello");  // into the Name field, which has the focus
    press("Password", 1);
    application.Type("secret");
    press("Go", 1);
    const QImage last = application.Screen();
    ASSERT_EQ(application.Stop().exitStatus, 0);

    const std::string script = ReadFileBytes(folder / "Sim.js");
    for (int number = 1; number <= 4; ++number) {
        SCOPED_TRACE(number);
        const auto& [control, box, screen, click] = pressed[number - 1];
        EXPECT_EQ(RecordedPicture(folder, number), screen);
        const RecordedPage page = ReadRecordedPage(folder, number);
        ASSERT_EQ(page.areas.size(), 1u);
        const ClickableArea& area = *page.areas[0];
        EXPECT_EQ(area.Title, click.button == 3 ? "" : control);  // a canvas's areas have none
        for (const auto& [found, expected] : {std::pair{area.Left, box.Left},
                                              {area.Top, box.Top},
                                              {area.Width, box.Width},
                                              {area.Height, box.Height}}) {
            EXPECT_LE(std::abs(found - expected), 1);
        }
        const std::string button = click.button == 3 ? "right" : "left";
        const std::string next = "demo00" + std::to_string(number + 1);
        EXPECT_EQ(area.ClickType(), button);
        EXPECT_EQ(area.LinkAddress, next + ".html");
        EXPECT_EQ(page.balloons.size(), number == 3 ? 1u : 0u);
        const std::string walked = next + ".html, " + button + ", " + std::to_string(number + 1) +
                                   "\");\r\n  walk.push(new page(" + std::to_string(number) +
                                   ", \"demo00" + std::to_string(number) + "\"";
        EXPECT_NE(script.find(walked), std::string::npos) << walked;
    }
    EXPECT_EQ(ReadRecordedPage(folder, 3).balloons.at(0)->Balloon().InnerHTML, "Type: hello");
    EXPECT_EQ(ReadFileBytes(folder / "demo004.html").find("secret"), std::string::npos);
    EXPECT_EQ(RecordedPicture(folder, 5), last);
    EXPECT_TRUE(ReadRecordedPage(folder, 5).areas.empty());
    EXPECT_NE(script.find("Areas));\r\n  walk.push(new page(5, \"demo005\", \"demo005.png\", "
                          "Areas));\r\n}"),
              std::string::npos);
}

}  // namespace
}  // namespace htmlsim::testing
