#include <gtest/gtest.h>

#include "DataTable.h"
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

// tests/data/surface/color-names.txt
TEST(ColorFromName, ResolvesNamesInAnyCaseAndNumbers) {
    for (const auto& row : testing::DataTable("surface/color-names.txt")) {
        int red = 0, green = 0, blue = 0;
        const bool names = std::sscanf(row.at(0).c_str(), "%d,%d,%d", &red, &green, &blue) == 3;
        EXPECT_EQ(ColorFromName(row.at(1)),
                  names ? std::optional(RgbColor(red, green, blue)) : std::nullopt)
            << row.at(1);
    }
}

using Texts = std::vector<std::string>;

// tests/data/surface/style-wrappers.txt
TEST(ParseStyle, StripsTheWrapperTheFormAllowsAndSplitsEveryPart) {
    for (auto row : testing::DataTable("surface/style-wrappers.txt")) {
        ParseStyle(row.at(0), row.at(1) == "quoted" ? StyleForm::Quoted : StyleForm::Input);
        EXPECT_EQ(row.at(0), row.at(2));
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

// tests/data/surface/css-font-values.txt
TEST(CssFont, SizesConvertToPixelsAndWeightsToBold) {
    for (const auto& row : testing::DataTable("surface/css-font-values.txt")) {
        const std::string& value = row.at(1);
        if (row.at(0) == "font-weight") {
            EXPECT_EQ(CssBold(value), row.at(2) == "bold") << value;
        } else if (row.at(2) == "refused") {
            EXPECT_THROW(CssFontPixels(value), std::exception) << value;
        } else {
            EXPECT_EQ(CssFontPixels(value), std::stoi(row.at(2))) << value;
        }
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
