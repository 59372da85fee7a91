#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "FakeTextMeasurer.h"
#include "controls/ColorFromName.h"
#include "controls/CssColorTable.h"
#include "controls/InlineStyle.h"
#include "controls/PaletteLayout.h"
#include "controls/StylePanel.h"

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

using Texts = std::vector<std::string>;

TEST(ParseStyle, StripsTheWrapperTheFormAllowsAndSplitsEveryPart) {
    struct Case {
        std::string style;
        StyleForm form;
        std::string stripped;
    };
    const std::vector<Case> cases{
        {"STYLE='left:10px;top: 20px'", StyleForm::Quoted, "left:10px;top: 20px"},
        {"", StyleForm::Quoted, "position:absolute; left:0px; top:0px"},
        {"'", StyleForm::Quoted, "'"},  // one quote is no pair
        {"style='left:1px'", StyleForm::Input, "left:1px"},
        {"'left:1px'", StyleForm::Input, "'left:1px'"},
        {"STYLE='", StyleForm::Input, "STYLE='"},
    };
    for (Case c : cases) {
        ParseStyle(c.style, c.form);
        EXPECT_EQ(c.style, c.stripped);
    }

    std::string style = " color:red ;; bold ;";
    const StyleDeclarations parsed = ParseStyle(style, StyleForm::Input);
    EXPECT_EQ(parsed.Keys, (Texts{"color", "", "bold", ""}));
    EXPECT_EQ(parsed.Values, (Texts{"red", "", "", ""}));
}

class ApplyStyleTest : public ::testing::Test {
  protected:
    StylePosition Apply(std::string style) {
        return ApplyStyleDeclarations(ParseStyle(style, StyleForm::Input), appearance, dialogs);
    }
    ControlAppearance appearance;
    testing::FakeDialogs dialogs;
};

TEST_F(ApplyStyleTest, ReadsPositionWithOrWithoutPixelsAndTheFont) {
    const StylePosition position =
        Apply("LEFT:10; top: 20.5px; font-family:Courier New; font-size:14; color:navy");
    EXPECT_EQ(position.Left, 10);
    EXPECT_EQ(position.Top, 20);  // halves to even
    EXPECT_EQ(appearance.Font.Name, "Courier New");
    EXPECT_EQ(appearance.Font.Size, 14);
    EXPECT_EQ(appearance.ForeColor, RgbColor(0, 0, 128));
    EXPECT_EQ(Apply("left:5px; left:-6px").Left, -6);

    // Bold and italic only in their exact case; colour names in any case, other values ignored.
    Apply("font-weight:Bolder; font-style:Italic; color:DARKORANGE");
    EXPECT_TRUE(appearance.Font.Bold);
    EXPECT_TRUE(appearance.Font.Italic);
    Apply("font-weight:bold; font-style: Italic; color:#0000FF");
    Apply("color: blue");
    EXPECT_FALSE(appearance.Font.Bold);
    EXPECT_FALSE(appearance.Font.Italic);
    EXPECT_EQ(appearance.ForeColor, RgbColor(255, 140, 0));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ApplyStyleTest, ABadValueIsReportedOnceAndTheRestStillApplies) {
    const StylePosition position =
        Apply("left:7PX; top:99999px; font-size:big; top:3px; color:red");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Type mismatch"});
    EXPECT_EQ(position.Left, 0);
    EXPECT_EQ(position.Top, 3);
    EXPECT_EQ(appearance.Font.Size, 12);
    EXPECT_EQ(appearance.ForeColor, RgbColor(255, 0, 0));

    dialogs.messages.clear();
    Apply("top:99999px");
    Apply("font-size:0");
    EXPECT_EQ(dialogs.MessageTexts(), (Texts{"Overflow", "Invalid property value"}));
}

TEST(RewriteStylePosition, KeepsEveryDeclarationInOrderAndReplacesOnlyThePosition) {
    std::string style =
        "position:absolute;Left:1px;width:30px;TOP:2;color:red;font-family:Arial;"
        "font-size:10;font-weight:Bold;font-style:Italic;background-color: white";
    EXPECT_EQ(RewriteStylePosition(ParseStyle(style, StyleForm::Quoted), {35, -120}),
              "position:absolute; Left:35px; width:30px; TOP:-120px; color:red; "
              "font-family:Arial; font-size:10; font-weight:Bold; font-style:Italic; "
              "background-color: white");
    // A trailing semicolon becomes a lone colon, and no position is added.
    style = "color:red;";
    EXPECT_EQ(RewriteStylePosition(ParseStyle(style, StyleForm::Quoted), {4, 5}), "color:red; :");
}

// A bare size is pixels, as in quirks mode; bold is the names or a weight of 600 up.
TEST(CssFont, SizesConvertToPixelsAndWeightsToBold) {
    EXPECT_EQ(CssFontPixels("24"), 24);
    EXPECT_EQ(CssFontPixels(" 24PX"), 24);
    EXPECT_EQ(CssFontPixels("12pt"), 16);
    EXPECT_EQ(CssFontPixels("1.5em"), 24);
    EXPECT_EQ(CssFontPixels("150%"), 24);
    EXPECT_THROW(CssFontPixels("big"), std::exception);
    for (const char* bold : {"bold", " BOLDER ", "600", "900"}) {
        EXPECT_TRUE(CssBold(bold)) << bold;
    }
    for (const char* plain : {"normal", "lighter", "599", "400", ""}) {
        EXPECT_FALSE(CssBold(plain)) << plain;
    }
}

size_t ColorIndex(const std::string& name) {
    const auto& rows = CssColors().Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Name == name) {
            return i;
        }
    }
    return rows.size();
}

TEST(StylePanelTest, PicksAddTheirDeclarationsAfterTheOthersAndShowInTheSample) {
    StylePanel panel;
    panel.Load("position:absolute; left:0px; top:0px");
    EXPECT_TRUE(panel.ListChanged(kFontWeight, "Bold", true));
    EXPECT_EQ(panel.Style(), "position:absolute; left:0px; top:0px; font-weight:Bold");
    EXPECT_TRUE(panel.SampleFont().Bold);

    EXPECT_TRUE(panel.ColorPicked(ColorIndex("AliceBlue")));
    EXPECT_EQ(panel.Style(),
              "position:absolute; left:0px; top:0px; font-weight:Bold; color:AliceBlue");
    EXPECT_EQ(panel.SampleColor(), RgbColor(240, 248, 255));

    // Typing a size writes it only into a style that already has one.
    EXPECT_TRUE(panel.ListChanged(kFontSize, "14", false));
    EXPECT_EQ(panel.Style(),
              "position:absolute; left:0px; top:0px; font-weight:Bold; color:AliceBlue");

    panel.Load("");
    EXPECT_TRUE(panel.ListChanged(kFontStyle, "Italic", true));
    EXPECT_EQ(panel.Style(), "font-style:Italic");
    EXPECT_TRUE(panel.SampleFont().Italic);
}

TEST(StylePanelTest, LoadingFillsTheListsAndTheColourAndARebuildKeepsWhatItDoesNotKnow) {
    StylePanel panel;
    panel.Load("FONT-FAMILY:Arial; font-size:10; Color:navy; left:3px; width:5px");
    EXPECT_EQ(panel.Lists()[kFontFamily].Text, "Arial");
    EXPECT_EQ(panel.SelectedColor(), ColorIndex("Navy"));

    EXPECT_TRUE(panel.ListChanged(kFontSize, "14", false));
    EXPECT_EQ(panel.Style(), "font-family:Arial; font-size:14; color:Navy; left:3px; width:5px");
    // A size that is no number leaves the style as it was, and says why.
    EXPECT_FALSE(panel.ListChanged(kFontSize, "big", false));
    EXPECT_EQ(panel.Style(), "font-family:Arial; font-size:14; color:Navy; left:3px; width:5px");
    EXPECT_EQ(panel.Refusal(),
              "The font size 'big' is not a number of points from above 0 to "
              "2048; the style keeps its size.");
    EXPECT_TRUE(panel.ListChanged(kFontWeight, "Bold", true));
    EXPECT_EQ(panel.Refusal(), "");
    EXPECT_EQ(panel.Style(),
              "font-family:Arial; font-size:14; color:Navy; left:3px; width:5px; font-weight:Bold");

    // A colour the palette has no name for is not lost by a pick elsewhere.
    panel.Load("color:#FF0000; font-weight:Normal");
    EXPECT_FALSE(panel.SelectedColor());
    EXPECT_TRUE(panel.ListChanged(kFontFamily, "Courier New", true));
    EXPECT_EQ(panel.Style(), "color:#FF0000; font-weight:Normal; font-family:Courier New");
}

// A size the panel could not have written itself is kept as the page has it.
TEST(StylePanelTest, PicksApplyWhateverTheFontSizeSays) {
    StylePanel panel;
    for (const std::string size : {"12px", "1.2em", "large", ""}) {
        panel.Load("font-size:" + size + "; left:3px");
        ASSERT_TRUE(panel.ListChanged(kFontWeight, "Bold", true)) << size;
        EXPECT_EQ(panel.Style(), "font-size:" + size + "; left:3px; font-weight:Bold");
        EXPECT_TRUE(panel.ColorPicked(ColorIndex("Navy")));
        EXPECT_EQ(panel.Style(), "font-size:" + size + "; left:3px; font-weight:Bold; color:Navy");
    }
}

TEST(StylePanelTest, PaletteFillsColumnsDownwardAndBordersGoToTheEarlierColour) {
    testing::FakeTextMeasurer measurer;
    // The widest name, LightGoldenRodYellow, is 20 characters of 8 pixels; a row 16 * 1.2.
    const PaletteLayout palette(measurer, TextFont(), 100);
    EXPECT_DOUBLE_EQ(palette.ColumnWidth(), 160);
    EXPECT_DOUBLE_EQ(palette.RowHeight(), 19.2);
    const auto& cells = palette.Cells();
    ASSERT_EQ(cells.size(), 147u);
    EXPECT_DOUBLE_EQ(cells[3].Y, 58);   // 57.6 rounded
    EXPECT_DOUBLE_EQ(cells[5].X, 160);  // the sixth row would end below 100
    EXPECT_DOUBLE_EQ(cells[5].Y, 0);
    EXPECT_DOUBLE_EQ(palette.Width(), 30 * 160);

    EXPECT_EQ(palette.HitTest(10, 19), 0u);  // on the border with the next row
    EXPECT_EQ(palette.HitTest(10, 19.5), 1u);
    EXPECT_EQ(palette.HitTest(160, 5), 0u);  // on the border with the next column
    EXPECT_EQ(palette.HitTest(160.5, 5), 5u);
    EXPECT_EQ(palette.HitTest(10, 96.2), 4u);  // the bottom edge of the column's last cell
    EXPECT_FALSE(palette.HitTest(10, 96.5));
    EXPECT_FALSE(palette.HitTest(-1, 5));
}

}  // namespace
}  // namespace htmlsim
