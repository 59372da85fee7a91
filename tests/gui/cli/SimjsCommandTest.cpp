#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "../Pictures.h"
#include "CliRunner.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

TEST(CliSimjs, WritesTheScriptAndSaysSo) {
    TempFolder folder;
    ASSERT_TRUE(WritePicture(folder.File("a.jpg"), 800, 600));
    WriteFileBytes(folder.File("a.html"),
                   DesignDocument(MapImage("a.jpg", "Map1", 0, 0, {{"0,0,9,9", "b.html"}})));
    CliResult result = RunCli({"simjs", "a.html"}, folder.Path());
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, "message: Sim.js has been created.\n");
    EXPECT_EQ(ReadFileBytes(folder.File("Sim.js")),
              "function buildSimulation(){\r\n"
              "  Areas.push(\"0, 0, 9, 9, b.html, left, 2\");\r\n"
              "  walk.push(new page(1, \"a\", \"a.jpg\", Areas));\r\n"
              "  walk.push(new page(2, \"b\", \"\", Areas));\r\n"
              "}\r\n");

    WriteFileBytes(folder.File("a.html"),
                   DesignDocument(MapImage("a.jpg", "Map1", 0, 0, {{"0,0,9,9", "x/b.html"}})));
    result = RunCli({"simjs", "a.html"}, folder.Path());
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "message: The link 'x/b.html' cannot be opened: there is no folder '" +
                              folder.File("x/") + "'. Sim.js has not been created.\n");

    EXPECT_EQ(RunCli({"simjs", "missing.html"}, folder.Path()).exitStatus, 1);
    EXPECT_EQ(RunCli({"simjs"}, folder.Path()).exitStatus, 2);
}
}  // namespace
}  // namespace htmlsim::testing
