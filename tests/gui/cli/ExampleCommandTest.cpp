#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

// The bundled example is what the command writes: regenerating it changes no page.
TEST(CliExample, BuildsTheBundledExampleAndRefusesToOverwriteIt) {
    TempFolder folder;
    const CliResult result = RunCli({"example", folder.File("sim")});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.err, "message: Sim.js has been created.\n");
    const std::filesystem::path bundled =
        std::filesystem::path(HTMLSIM_SOURCE_DIR) / "examples" / "acme-portal";
    for (const char* page : {"login.html", "dashboard.html", "settings.html", "MyStyle.css",
                             "HTMLSimulation.js", "Sim.js"}) {
        EXPECT_EQ(ReadFileBytes(folder.File("sim/") + page), ReadFileBytes(bundled / page))
            << page;
    }
    for (const char* picture : {"login.png", "dashboard.png", "settings.png"}) {
        EXPECT_TRUE(std::filesystem::exists(folder.File("sim/") + picture)) << picture;
    }

    const CliResult again = RunCli({"example", folder.File("sim")});
    EXPECT_EQ(again.exitStatus, 1);
    EXPECT_EQ(again.err, "message: File Already Exists: '" + folder.File("sim/login.html") + "'\n");
}

}  // namespace
}  // namespace htmlsim::testing
