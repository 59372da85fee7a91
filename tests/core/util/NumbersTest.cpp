#include "util/Numbers.h"

#include <gtest/gtest.h>

#include "util/RuntimeError.h"

namespace htmlsim {

TEST(RoundToInt16, HalvesGoToEvenAndOverflowIsAnError) {
    EXPECT_EQ(RoundToInt16(12.5), 12);
    EXPECT_EQ(RoundToInt16(13.5), 14);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_THROW(RoundToInt16(32767.5), OverflowError);
    EXPECT_THROW(RoundToInt16(1e300), OverflowError);
}

TEST(LeadingNumber, ReadsThePrefixThatFormsANumber) {
    EXPECT_EQ(LeadingNumber("12px"), 12);
    EXPECT_EQ(LeadingNumber("1 2 3"), 123);  // blanks inside are skipped
    EXPECT_EQ(LeadingNumber("1.5.6"), 1.5);
    EXPECT_EQ(LeadingNumber("2e3x"), 2000);
    EXPECT_EQ(LeadingNumber("7e"), 7);
    EXPECT_EQ(LeadingNumber("px12"), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
}

}  // namespace htmlsim
