#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "../OverlappingPage.h"
#include "CliRunner.h"
#include "PageDocument.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

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

    result = RunCli({"render", folder.File("none.html"), "-o", folder.File("none.png")});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.File("none.png")));

    result = RunCli({"render", folder.File("page.html"), "-o", folder.File("no/such/x.png")});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.err.find("message: Cannot write '" + folder.File("no/such/x.png")),
              std::string::npos)
        << result.err;

    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {"render", "page.html"},
             {"render", "page.html", "-o"},
             {"render", "a.html", "b.html", "-o", "x.png"},
             {"render", "page.html", "-o", "x.png", "-o", "y.png"}}) {
        EXPECT_EQ(RunCli(wrong, folder.Path()).exitStatus, 2) << wrong.size();
    }
}

TEST(CliRender, DrawsCanvasesAtThePagesScaleWhenAsked) {
    TempFolder folder;
    QImage red(100, 80, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString(folder.File("red.png"))));
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
