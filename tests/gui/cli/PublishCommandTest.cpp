#include <gtest/gtest.h>

#include <filesystem>

#include "../Pictures.h"
#include "CliRunner.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

TEST(CliPublish, WritesThePlayerSilentlyAndRefusesWithAReasonOrTheUsage) {
    TempFolder folder;
    ASSERT_TRUE(WritePicture(folder.File("a.jpg"), 80, 60));
    WriteFileBytes(folder.File("a.html"),
                   DesignDocument(MapImage("a.jpg", "Map1", 0, 0, {{"0,0,9,9", "b.html"}})));

    CliResult result = RunCli({"publish", "a.html", "--out", "out"}, folder.Path());
    EXPECT_EQ(result.exitStatus, 1);
    // One line per message: the line break between the problems is written as "\n".
    EXPECT_EQ(result.err,
              "message: The simulation cannot be published:\\n"
              "a.html: The link leads to a missing file: 'b.html'.\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("out")));

    WriteFileBytes(folder.File("b.html"), DesignDocument(MapImage("a.jpg", "Map1", 0, 0, {})));
    result = RunCli({"publish", "a.html", "--out", "out", "--zip", "--pass", "75", "--speed", "2.5",
                     "--title", "A & B"},
                    folder.Path());
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(std::filesystem::exists(folder.File("out/simulation.zip")));
    const std::string data = ReadFileBytes(folder.File("out/simulation.json"));
    EXPECT_NE(data.find("\"title\": \"A & B\",\n  \"passPercent\": 75,\n  \"speed\": 2.5,"),
              std::string::npos);

    EXPECT_EQ(RunCli({"publish", "ftp://u:p@127.0.0.1:1/a.html", "--out", "out"}).err,
              "message: Pages on an FTP server cannot be published: publish from a local copy.\n");
    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {"publish", "a.html"},
             {"publish", "--out", "out"},
             {"publish", "a.html", "--out"},
             {"publish", "a.html", "--out", "out", "--scorm", "2"},
             {"publish", "a.html", "--out", "out", "--pass", "101"},
             {"publish", "a.html", "--out", "out", "--speed", "0"},
             {"publish", "a.html", "b.html", "--out", "out"}}) {
        EXPECT_EQ(RunCli(wrong, folder.Path()).exitStatus, 2) << wrong.back();
    }
}

}  // namespace
}  // namespace htmlsim::testing
