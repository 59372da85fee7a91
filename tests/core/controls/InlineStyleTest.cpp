#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "controls/InlineStyle.h"

namespace htmlsim {
namespace {

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

}  // namespace
}  // namespace htmlsim

namespace htmlsim {
namespace {

TEST(CssFontPixels, ABareNumberIsPixelsAsInQuirksModeAndUnitsConvert) {
    EXPECT_EQ(CssFontPixels("24"), 24);
    EXPECT_EQ(CssFontPixels(" 24PX"), 24);
    EXPECT_EQ(CssFontPixels("12pt"), 16);
    EXPECT_EQ(CssFontPixels("1.5em"), 24);
    EXPECT_EQ(CssFontPixels("150%"), 24);
    EXPECT_THROW(CssFontPixels("big"), std::exception);
}

}  // namespace
}  // namespace htmlsim
