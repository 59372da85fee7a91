#include <gtest/gtest.h>

#include <algorithm>

#include "session/RecentFiles.h"

namespace htmlsim {
namespace {

TEST(RecentFiles, KeepsTenNewestFirstWithoutRepeats) {
    std::vector<std::string> recent;
    for (int k = 0; k < 12; ++k) {
        recent = WithRecentFile(recent, "/p" + std::to_string(k));
    }
    recent = WithRecentFile(recent, "/p5");
    ASSERT_EQ(recent.size(), 10u);
    EXPECT_EQ(recent[0], "/p5");
    EXPECT_EQ(recent[1], "/p11");
    EXPECT_EQ(std::count(recent.begin(), recent.end(), "/p5"), 1);
}

}  // namespace
}  // namespace htmlsim
