#include <gtest/gtest.h>

#include "ControlEventLog.h"
#include "FakeDialogs.h"
#include "FakeTextMeasurer.h"
#include "controls/Input.h"

namespace htmlsim {
namespace {

using Texts = std::vector<std::string>;

class InputTest : public ::testing::Test {
  protected:
    testing::FakeTextMeasurer measurer;
    testing::FakeDialogs dialogs;
    Input input{measurer, dialogs};
    testing::ControlEventLog log{input};

    // Sets the properties as the host does in bulk, then lays the input out once.
    void Refill(const std::string& type, const std::string& value) {
        input.SetIsRefreshing(true);
        input.SetType2(type);
        input.SetIsRefreshing(false);
        input.SetValue(value);
        log.Take();
    }
};

TEST_F(InputTest, HtmlOfANewInputAndOfOneWithEveryField) {
    EXPECT_EQ(input.HTML(),
              "<input type='Text' value='Input' style='position:absolute; left:0px; "
              "top:0px'></input>");
    input.SetIsRefreshing(true);
    input.SetSRC("b.png");
    input.SetName2("q");
    input.SetType2("checkbox");
    input.SetSize(5);
    input.SetMaxLength(9);
    input.SetReadOnly(true);
    input.SetTitle("T");
    input.SetValue("v");
    input.SetAccept("image/*");
    input.SetChecked(true);
    input.SetDisabled(true);
    input.SetStyle("STYLE='left:1px; top:2px'");
    input.SetCaption("Remember me");
    EXPECT_EQ(input.HTML(),
              "<input src='b.png' name='q' type='checkbox' size='5' maxlength='9' "
              "readonly='True' Title='T' value='v' accept='image/*' Checked='Checked' "
              "style='left:1px; top:2px'>Remember me</input>");
    input.SetType2("RADIO");
    EXPECT_EQ(input.HTML().find("Checked"), std::string::npos);
}

TEST_F(InputTest, LaysOutEachTypeAsItsMiniature) {
    // A new input is a text box of 120 pixels beside its margin.
    EXPECT_EQ(input.Layout().ChildBounds.Height, 21);  // 16 * 1.3
    input.SetValue("abc");
    EXPECT_EQ(log.Take(), (Texts{"ChangeSize(134,35)", "ChangeHasBeenMade"}));

    input.SetSize(10);
    input.SetCaption("Cap");
    Refill("password", "12345");
    EXPECT_EQ(input.Layout().ChildText, "*****");
    EXPECT_EQ(input.Layout().ChildBounds.Width, 80);  // ten W
    EXPECT_EQ(input.Layout().CaptionBounds.Left, 7 + 80 + 7);
    EXPECT_EQ(input.Layout().CaptionBounds.Top, 10);  // 7 + (21 - 16) / 2, halves to even

    input.SetType2("submit");
    input.SetValue("Send it");
    EXPECT_EQ(input.Layout().ChildText, "Submit");
    // The caption's right edge is the width; the margins go around it.
    EXPECT_EQ(log.Take(), (Texts{"ChangeSize(119,36)", "ChangeHasBeenMade"}));

    input.SetChecked(true);
    Refill("Radio", "r");
    EXPECT_EQ(input.Layout().Child, InputChild::OptionButton);
    EXPECT_TRUE(input.Layout().Checked);

    Refill("SELECT", "Pick");
    EXPECT_EQ(input.Layout().Child, InputChild::ComboBox);
    Refill("hidden", "h");
    EXPECT_EQ(input.Layout().Child, InputChild::None);
}

TEST_F(InputTest, AnUnknownTypeIsRefusedAndAnEmptyStyleResetsTheDefaultsWithoutEvents) {
    input.SetType2("range");
    EXPECT_EQ(dialogs.MessageTexts(), Texts{"Value Not Understood: 'range'"});
    EXPECT_TRUE(log.Take().empty());

    input.SetType2("BUTTON");
    input.SetName2("keep");
    input.SetStyle("left:3px; font-size:20");
    log.Take();
    input.SetStyle("");
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(input.Type2(), "Text");
    EXPECT_EQ(input.Name2(), "keep");
    EXPECT_EQ(input.Appearance().Font.Size, 12);
}

TEST_F(InputTest, ARelayoutEndsTheRefreshingBracket) {
    input.SetIsRefreshing(true);
    input.SetValue("quiet");
    input.SetStyle("left:1px");
    EXPECT_EQ(log.Take(), Texts{"Move(1,0)"});
    EXPECT_TRUE(input.IsRefreshing());
    input.SetIsRefreshing(false);
    input.SetIsRefreshing(true);
    { RefreshingScope scope(input); }
    EXPECT_FALSE(input.IsRefreshing());
}

TEST_F(InputTest, WorkingTheMiniatureUpdatesTheInput) {
    input.TextBoxEdited("typed");
    EXPECT_EQ(input.Value(), "typed");
    EXPECT_EQ(log.Take(), Texts{"ChangeHasBeenMade"});

    input.SetIsRefreshing(true);
    input.CheckBoxClicked(true);
    EXPECT_TRUE(input.Checked());
    EXPECT_EQ(log.Take(), (Texts{"Click", "ChangeHasBeenMade"}));
}

}  // namespace
}  // namespace htmlsim
