#include <gtest/gtest.h>

#include "CliRunner.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

// What design and regenerate print for a page is pinned by tests/corpus/design and regenerate.
TEST(CliDesign, AMissingPageOrNoPageIsRefused) {
    TempFolder folder;
    const CliResult missing = RunCli({"design", folder.File("none.html")});
    EXPECT_EQ(missing.exitStatus, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(RunCli({"regenerate"}).exitStatus, 2);
}

}  // namespace
}  // namespace htmlsim::testing
