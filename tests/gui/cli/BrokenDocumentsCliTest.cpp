#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "CliRunner.h"

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

}  // namespace
}  // namespace htmlsim::testing
