#include <gtest/gtest.h>

#include "controls/ColorFromName.h"
#include "controls/CssColorTable.h"

namespace htmlsim {
namespace {

TEST(CssColorTable, HoldsTheNamedColoursWithAgreeingValues) {
    const auto& rows = CssColors().Rows();
    ASSERT_EQ(rows.size(), 147u);
    for (const ColorRecord& row : rows) {
        char hex[7];
        std::snprintf(hex, sizeof hex, "%02X%02X%02X", row.R, row.G, row.B);
        EXPECT_EQ(row.Hex, hex) << row.Name;
    }
}

TEST(ColorFromName, ResolvesNamesInAnyCaseAndNumbers) {
    EXPECT_EQ(ColorFromName("AliceBlue"), RgbColor(240, 248, 255));
    EXPECT_EQ(ColorFromName("ALICEBLUE"), RgbColor(240, 248, 255));
    EXPECT_EQ(ColorFromName("black"), 0);
    EXPECT_EQ(ColorFromName(" 65280 "), 65280);
    EXPECT_EQ(ColorFromName("&HFF0000"), 0xFF0000);
    // A number other than 0 is a colour number even where it rounds to black.
    EXPECT_EQ(ColorFromName("0.4"), 0);
    // No colour for hash values, blank-prefixed names and zero.
    EXPECT_EQ(ColorFromName("#FF0000"), std::nullopt);
    EXPECT_EQ(ColorFromName(" red"), std::nullopt);
    EXPECT_EQ(ColorFromName("0"), std::nullopt);
    EXPECT_EQ(ColorFromName("99999999999"), std::nullopt);
}

}  // namespace
}  // namespace htmlsim
