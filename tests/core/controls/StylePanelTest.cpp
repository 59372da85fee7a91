#include <gtest/gtest.h>

#include "FakeTextMeasurer.h"
#include "controls/PaletteLayout.h"
#include "controls/StylePanel.h"

namespace htmlsim {
namespace {

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
