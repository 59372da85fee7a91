#include <gtest/gtest.h>
#include <QImage>
#include <filesystem>
#include <sstream>
#include <string>

#include "../OverlappingPage.h"
#include "../Pictures.h"
#include "CliRunner.h"
#include "PageDocument.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

// design and regenerate on every broken or hostile document end (ctest's time-out bounds them)
// with success or failure, and nothing on stderr but the program's own messages.
TEST(BrokenDocumentsCli, DesignAndRegenerateEndWithTheirOwnMessages) {
    const std::filesystem::path corpus =
        std::filesystem::path(HTMLSIM_SOURCE_DIR) / "tests" / "data" / "broken";
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (entry.path().extension() != ".html") {
            continue;
        }
        for (const char* command : {"design", "regenerate"}) {
            const CliResult result = RunCli({command, entry.path().string()});
            const std::string what = entry.path().filename().string() + " " + command;
            EXPECT_TRUE(result.exitStatus == 0 || result.exitStatus == 1)
                << what << " exit " << result.exitStatus;
            std::istringstream lines(result.err);
            for (std::string line; std::getline(lines, line);) {
                ASSERT_TRUE(line.starts_with("message: ")) << what << ": " << line;
            }
        }
    }
}

// Refusals and usage lines, what check, sections and section print, and what new, example,
// publish and record write are cases of tests/corpus/cli; what a rendered picture shows is
// checked here.
QImage Rendered(const std::string& path) {
    return QImage(QString::fromStdString(path));
}

TEST(CliRender, PaintsInIndexOrderGivesAMissingPictureItsRoomAndReportsFailures) {
    TempFolder folder;
    WriteOverlappingPage(folder);
    CliResult result = RunCli({"render", "page.html", "-o", "page.png"}, folder.Path());
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(Rendered(folder.File("page.png")).size(), QSize(200, 160));
    ExpectOverlappingPage(Rendered(folder.File("page.png")));

    WriteFileBytes(folder.File("page.html"),
                   DesignDocument("<IMG SRC='gone.png' Width='70' Height='50' "
                                  "STYLE='position:absolute; left:30px; top:20px'/>\r\n"));
    result = RunCli({"render", "-o", folder.File("out.png"), folder.File("page.html")});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "message: Picture cannot be loaded: '" + folder.File("gone.png") + "'\n");
    const QImage shown = Rendered(folder.File("out.png"));
    EXPECT_EQ(shown.size(), QSize(100, 70));
    EXPECT_EQ(shown.pixel(50, 40), qRgb(255, 255, 255));
}

TEST(CliRender, DrawsCanvasesAtThePagesScaleWhenAsked) {
    TempFolder folder;
    ASSERT_TRUE(WritePicture(folder.File("red.png"), 100, 80, Qt::red));
    WriteFileBytes(folder.File("HTMLSimulation.js"), "var mScale = .7;\r\n");
    WriteFileBytes(folder.File("page.html"),
                   DesignDocument("<canvas id='Canvas_1' SRC='red.png' width='100' Height='80' "
                                  "style='position:absolute; left:20px; top:10px'></canvas>\r\n",
                                  "var Areas = new Array();\r\nmScale = .5;\r\n"));
    ASSERT_EQ(RunCli({"render", "page.html", "-o", "scaled.png", "--browser-scale"}, folder.Path())
                  .exitStatus,
              0);
    const QImage scaled = Rendered(folder.File("scaled.png"));
    EXPECT_EQ(scaled.size(), QSize(120, 90));  // the canvas element keeps its size
    EXPECT_EQ(scaled.pixel(22, 12), qRgb(255, 0, 0));
    EXPECT_EQ(scaled.pixel(68, 48), qRgb(255, 0, 0));
    EXPECT_EQ(scaled.pixel(72, 52), qRgb(255, 255, 255));
    EXPECT_EQ(scaled.pixel(115, 85), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace htmlsim::testing
