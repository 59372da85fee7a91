#include <gtest/gtest.h>

#include "CliRunner.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

// The walks themselves are cases of tests/corpus/simjs.
TEST(CliSimjs, AMissingPageOrNoPageIsRefused) {
    TempFolder folder;
    EXPECT_EQ(RunCli({"simjs", "missing.html"}, folder.Path()).exitStatus, 1);
    EXPECT_EQ(RunCli({"simjs"}, folder.Path()).exitStatus, 2);
}

}  // namespace
}  // namespace htmlsim::testing
