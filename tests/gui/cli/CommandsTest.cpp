#include <gtest/gtest.h>
#include <QImage>
#include <filesystem>
#include <sstream>
#include <string>

#include "../OverlappingPage.h"
#include "../Pictures.h"
#include "CliRunner.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "ScopedVariable.h"
#include "TempFolder.h"
#include "document/DocumentTemplate.h"

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

// Refusals and usage lines, and what check, sections and section print, are cases of
// tests/corpus/cli.
TEST(CliNew, WritesTheTemplateWithItsSupportFiles) {
    TempFolder folder;
    std::filesystem::create_directory(folder.File("site"));
    const CliResult result = RunCli({"new", "site/a.html"}, folder.Path().string());
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ReadFileBytes(folder.File("site/a.html")), NewDocumentTemplate());
    EXPECT_EQ(ReadFileBytes(folder.File("site/MyStyle.css")), StyleSheetText());
    EXPECT_EQ(ReadFileBytes(folder.File("site/HTMLSimulation.js")), ScriptText());
}

// The bundled example is what the command writes: regenerating it changes no page.
TEST(CliExample, BuildsTheBundledExample) {
    TempFolder folder;
    const CliResult result = RunCli({"example", folder.File("sim")});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.err, "message: Sim.js has been created.\n");
    const std::filesystem::path bundled =
        std::filesystem::path(HTMLSIM_SOURCE_DIR) / "examples" / "acme-portal";
    for (const char* page : {"login.html", "dashboard.html", "settings.html", "MyStyle.css",
                             "HTMLSimulation.js", "Sim.js"}) {
        EXPECT_EQ(ReadFileBytes(folder.File("sim/") + page), ReadFileBytes(bundled / page)) << page;
    }
    for (const char* picture : {"login.png", "dashboard.png", "settings.png"}) {
        EXPECT_TRUE(std::filesystem::exists(folder.File("sim/") + picture)) << picture;
    }
}

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

TEST(CliPublish, WritesThePlayerSilentlyWithTheOptionsGiven) {
    TempFolder folder;
    ASSERT_TRUE(WritePicture(folder.File("a.jpg"), 80, 60));
    WriteFileBytes(folder.File("a.html"),
                   DesignDocument(MapImage("a.jpg", "Map1", 0, 0, {{"0,0,9,9", "b.html"}})));
    WriteFileBytes(folder.File("b.html"), DesignDocument(MapImage("a.jpg", "Map1", 0, 0, {})));
    const CliResult result = RunCli({"publish", "a.html", "--out", "out", "--zip", "--pass", "75",
                                     "--speed", "2.5", "--title", "A & B"},
                                    folder.Path());
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(std::filesystem::exists(folder.File("out/simulation.zip")));
    const std::string data = ReadFileBytes(folder.File("out/simulation.json"));
    EXPECT_NE(data.find("\"title\": \"A & B\",\n  \"passPercent\": 75,\n  \"speed\": 2.5,"),
              std::string::npos);
}

TEST(CliRecord, RefusesAWaylandSessionUnlessTheApplicationIsAnX11Client) {
    TempFolder folder;
    const std::string refusal =
        "message: Recording works in an X11 session only: on Wayland the pictures of Wayland "
        "windows come back black. If the application you record is an X11 client, record with "
        "--x11-only.\n";
    const ScopedVariable noDisplay("DISPLAY", "");
    {
        const ScopedVariable wayland("WAYLAND_DISPLAY", "wayland-0");
        const CliResult result = RunCli({"record", "--out", folder.Path().string()});
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(result.err, refusal);
        // With --x11-only it goes on, as far as the (missing) X display.
        const CliResult x11 = RunCli({"record", "--out", folder.Path().string(), "--x11-only"});
        EXPECT_EQ(x11.exitStatus, 1);
        EXPECT_EQ(x11.err,
                  "message: The X display cannot be opened; recording needs an X11 session.\n");
    }
    {
        const ScopedVariable session("XDG_SESSION_TYPE", "wayland");
        EXPECT_EQ(RunCli({"record", "--out", folder.Path().string()}).err, refusal);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

}  // namespace
}  // namespace htmlsim::testing
