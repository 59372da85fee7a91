#include <gtest/gtest.h>

#include "util/RuntimeError.h"
#include "util/TextToNumber.h"

namespace htmlsim {
namespace {

TEST(TextToNumber, TakesWholeNumbersWithBlanksAroundAndRefusesTheRest) {
    EXPECT_EQ(TextToNumber(" -3.5 "), -3.5);
    EXPECT_EQ(TextToNumber("+.5"), 0.5);
    EXPECT_EQ(TextToNumber("1e2"), 100);
    for (const char* bad : {"", " ", "7PX", "12px", "abc", "inf", "-nan", "1 2", "--1"}) {
        EXPECT_THROW(TextToNumber(bad), RuntimeError) << bad;
    }
    EXPECT_THROW(TextToNumber("1e999"), OverflowError);
}

}  // namespace
}  // namespace htmlsim
