#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "controls/InlineStyle.h"

namespace htmlsim {
namespace {

using Texts = std::vector<std::string>;

TEST(ParseStyle, QuotedFormStripsPrefixAndQuotesAndSubstitutesTheDefault) {
    std::string style = "STYLE='left:10px;top: 20px'";
    StyleDeclarations parsed = ParseStyle(style, StyleForm::Quoted);
    EXPECT_EQ(style, "left:10px;top: 20px");
    EXPECT_EQ(parsed.Keys, (Texts{"left", "top"}));
    EXPECT_EQ(parsed.Values, (Texts{"10px", " 20px"}));

    std::string empty;
    parsed = ParseStyle(empty, StyleForm::Quoted);
    EXPECT_EQ(empty, "position:absolute; left:0px; top:0px");
    EXPECT_EQ(parsed.Keys, (Texts{"position", "left", "top"}));

    std::string lone = "'";  // one quote is no pair
    ParseStyle(lone, StyleForm::Quoted);
    EXPECT_EQ(lone, "'");
}

TEST(ParseStyle, InputFormOnlyStripsAStyleWrapper) {
    std::string style = "style='left:1px'";
    ParseStyle(style, StyleForm::Input);
    EXPECT_EQ(style, "left:1px");

    std::string quoted = "'left:1px'";
    ParseStyle(quoted, StyleForm::Input);
    EXPECT_EQ(quoted, "'left:1px'");

    std::string shortText = "STYLE='";
    ParseStyle(shortText, StyleForm::Input);
    EXPECT_EQ(shortText, "STYLE='");
}

TEST(ParseStyle, KeepsEmptyPartsAndPartsWithoutColon) {
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
    EXPECT_TRUE(dialogs.messages.empty());

    EXPECT_EQ(Apply("position:absolute").Left, 0);
    EXPECT_EQ(Apply("left:5px; left:-6px").Left, -6);
}

TEST_F(ApplyStyleTest, BoldAndItalicOnlyInTheirExactCase) {
    Apply("font-weight:Bolder; font-style:Italic");
    EXPECT_TRUE(appearance.Font.Bold);
    EXPECT_TRUE(appearance.Font.Italic);
    Apply("font-weight:bold; font-style:italic");
    EXPECT_FALSE(appearance.Font.Bold);
    EXPECT_FALSE(appearance.Font.Italic);
    Apply("font-weight:Bold; font-style:Italic");
    Apply("font-weight: Bold; font-style: Italic");
    EXPECT_FALSE(appearance.Font.Bold);
    EXPECT_FALSE(appearance.Font.Italic);
}

TEST_F(ApplyStyleTest, ColourNamesInAnyCaseAndUnknownValuesKeepTheColour) {
    Apply("color:DARKORANGE");
    EXPECT_EQ(appearance.ForeColor, RgbColor(255, 140, 0));
    Apply("color:#0000FF");
    EXPECT_EQ(appearance.ForeColor, RgbColor(255, 140, 0));
    Apply("color: blue");
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
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Overflow"});
    dialogs.messages.clear();
    Apply("font-size:0");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Invalid property value"});
}

TEST(RewriteStylePosition, KeepsEveryDeclarationInOrderAndReplacesOnlyThePosition) {
    std::string style =
        "position:absolute;Left:1px;width:30px;TOP:2;color:red;font-family:Arial;"
        "font-size:10;font-weight:Bold;font-style:Italic;background-color: white";
    const std::string rewritten =
        RewriteStylePosition(ParseStyle(style, StyleForm::Quoted), {35, -120});
    EXPECT_EQ(rewritten,
              "position:absolute; Left:35px; width:30px; TOP:-120px; color:red; "
              "font-family:Arial; font-size:10; font-weight:Bold; font-style:Italic; "
              "background-color: white");
}

TEST(RewriteStylePosition, ATrailingSemicolonBecomesALoneColonAndNoPositionIsAdded) {
    std::string style = "color:red;";
    EXPECT_EQ(RewriteStylePosition(ParseStyle(style, StyleForm::Quoted), {4, 5}), "color:red; :");
}

}  // namespace
}  // namespace htmlsim
