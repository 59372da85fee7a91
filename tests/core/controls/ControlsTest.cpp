#include <gtest/gtest.h>

#include "ControlEventLog.h"
#include "FakeDialogs.h"
#include "FakeTextMeasurer.h"
#include "MouseGestures.h"
#include "controls/Anchor.h"
#include "controls/Input.h"
#include "controls/Label.h"

namespace htmlsim {
namespace {

using Texts = std::vector<std::string>;
using testing::Click;
using testing::Drag;

// One control of a kind, the fakes it measures and reports through, and the events it raised.
template <typename Control>
class ControlTest : public ::testing::Test {
  protected:
    testing::FakeTextMeasurer measurer;
    testing::FakeDialogs dialogs;
    Control control{measurer, dialogs};
    testing::ControlEventLog log{control};
};

class AnchorTest : public ControlTest<Anchor> {
  protected:
    Anchor& anchor = control;
};

TEST_F(AnchorTest, HtmlOfANewAnchorAndOfOneWithEveryField) {
    EXPECT_EQ(anchor.HTML(), "<a style=\"'position:absolute; left:0px; top:0px'\">Anchor</a>");
    anchor.SetName2("n'1");
    anchor.SetHREF("Page2.htm");
    anchor.SetClass("nav");
    anchor.SetTarget("_blank");
    anchor.SetStyle("STYLE='left:3px; top:4px'");
    anchor.SetValue("Go <b>on</b>");
    EXPECT_EQ(anchor.HTML(),
              "<a class='nav' href='Page2.htm' name=\"n'1\" target='_blank' "
              "style='left:3px; top:4px'>Go <b>on</b></a>");
    log.Take();
    // Empty fields drop their attributes; an empty style raises no move.
    anchor.SetStyle("");
    EXPECT_TRUE(log.Take().empty());
    anchor.SetName2("");
    anchor.SetHREF("");
    anchor.SetClass("");
    anchor.SetTarget("");
    EXPECT_EQ(anchor.HTML(), "<a>Go <b>on</b></a>");
}

TEST_F(AnchorTest, PropertiesAnnounceTheirChangesUnlessRefreshing) {
    anchor.SetClass("c");
    EXPECT_TRUE(log.Take().empty());
    anchor.SetHREF("x.htm");
    anchor.SetName2("n");
    anchor.SetTarget("t");
    EXPECT_EQ(log.Take(), (Texts{"ChangeHasBeenMade", "ChangeHasBeenMade", "ChangeHasBeenMade"}));
    // The underline waits for the next redraw.
    EXPECT_FALSE(anchor.Drawing().Appearance.Font.Underline);

    anchor.SetIsRefreshing(true);
    anchor.SetValue("Next");
    EXPECT_EQ(log.Take(), (Texts{"ChangeSize(32,16)"}));
    EXPECT_TRUE(anchor.Drawing().Appearance.Font.Underline);
    anchor.SetStyle("left:5px; top:6px; font-size:24");
    EXPECT_EQ(log.Take(), (Texts{"Move(5,6)"}));
    EXPECT_EQ(anchor.Drawing().Height, 16);  // no redraw while refreshing

    anchor.SetIsRefreshing(false);
    anchor.SetStyle("font-size:24; font-weight:Bold");
    EXPECT_EQ(log.Take(), (Texts{"Move(0,0)", "ChangeSize(96,32)", "ChangeHasBeenMade"}));
}

TEST_F(AnchorTest, AStyleWithABadValueStillMovesWithWhatWasRead) {
    anchor.SetStyle("left:7PX; top:9px");
    EXPECT_EQ(dialogs.MessageTexts(), Texts{"Type mismatch"});
    EXPECT_EQ(log.Take(), (Texts{"Move(0,9)", "ChangeSize(48,16)", "ChangeHasBeenMade"}));
    EXPECT_EQ(anchor.Style(), "left:7PX; top:9px");
}

TEST_F(AnchorTest, DraggingRewritesThePositionAndAReleaseWithoutMoveIsAClick) {
    log.position = {35, 120};
    Drag(anchor, 4.4f, 5.6f, 14.4f, 2.6f);
    EXPECT_EQ(log.Take(), (Texts{"LeftMouseDown", "MouseMove", "MoveControl(10,-3)",
                                 "WhatsMyPosition", "ChangeHasBeenMade", "LeftMouseUp"}));
    EXPECT_EQ(anchor.Style(), "position:absolute; left:35px; top:120px");

    Click(anchor, 1, 1);
    EXPECT_EQ(log.Take(), (Texts{"LeftMouseDown", "Click", "LeftMouseUp"}));
}

TEST_F(AnchorTest, TheRightButtonAsksForTheMenuAndAnotherButtonDragsUntilTheLeftIsReleased) {
    EXPECT_TRUE(Drag(anchor, 1, 1, 5, 5, MouseButton::Right));
    EXPECT_EQ(log.Take(), (Texts{"LeftMouseDown", "MouseMove", "LeftMouseUp"}));

    EXPECT_FALSE(Drag(anchor, 1, 1, 3, 1, MouseButton::Middle));
    EXPECT_EQ(log.Take(), (Texts{"LeftMouseDown", "MouseMove", "MoveControl(2,0)", "LeftMouseUp"}));
    Click(anchor, 3, 1);
    EXPECT_EQ(log.Take(),
              (Texts{"LeftMouseDown", "WhatsMyPosition", "ChangeHasBeenMade", "LeftMouseUp"}));
}

TEST_F(AnchorTest, ADragWithAnEmptyStyleWritesTheDefaultPositionAndKeepsTrailingParts) {
    anchor.SetStyle("");
    log.position = {-2, 7};
    Drag(anchor, 0, 0, 1, 1);
    EXPECT_EQ(anchor.Style(), "position:absolute; left:-2px; top:7px");

    anchor.SetStyle("color:red; top:1px;");
    Drag(anchor, 0, 0, 1, 1);
    EXPECT_EQ(anchor.Style(), "color:red; top:7px; :");
}

class InputTest : public ControlTest<Input> {
  protected:
    Input& input = control;

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

class LabelTest : public ControlTest<Label> {
  protected:
    Label& label = control;
};

TEST_F(LabelTest, HtmlOfANewLabelOfOneWithEveryFieldAndAfterClear) {
    EXPECT_EQ(label.HTML(),
              "<Label style=\"'position:absolute; left:0px; top:0px'\">Label</Label>");
    label.SetID("l1");
    label.SetKey(4);
    label.SetStyle("style='left:50px; top:66px'");
    label.SetInnerHTML("<b>Hi</b>");
    EXPECT_EQ(label.HTML(), "<Label id='l1' style='left:50px; top:66px'><b>Hi</b></Label>");
    label.Clear();
    EXPECT_EQ(label.HTML(), "<Label></Label>");
    EXPECT_EQ(label.Key(), 4);
}

TEST_F(LabelTest, InnerHtmlAnnouncesThenRedrawsAndRedrawsEvenWhileRefreshing) {
    label.SetInnerHTML("Label 1");
    EXPECT_EQ(log.Take(), (Texts{"ChangeHasBeenMade", "ChangeSize(56,16)"}));
    label.SetIsRefreshing(true);
    label.SetInnerHTML("AB");
    EXPECT_EQ(log.Take(), Texts{"ChangeSize(16,16)"});
    label.SetID("i");
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(LabelTest, TheRightButtonNeitherTracksNorOpensAMenu) {
    EXPECT_FALSE(Drag(label, 1, 1, 9, 9, MouseButton::Right));
    EXPECT_EQ(log.Take(), (Texts{"LeftMouseDown", "MouseMove", "LeftMouseUp"}));
}

TEST_F(LabelTest, TenDeclarationsKeepTheirOrderAfterADrag) {
    label.SetIsRefreshing(true);
    label.SetStyle(
        "position:absolute; left:1px; top:2px; width:80px; height:20px; color:Red; "
        "font-family:Arial; font-size:10; font-weight:Bold; font-style:Italic");
    label.SetIsRefreshing(false);
    log.position = {60, 70};
    Drag(label, 0, 0, 3, 3);
    EXPECT_EQ(label.Style(),
              "position:absolute; left:60px; top:70px; width:80px; height:20px; color:Red; "
              "font-family:Arial; font-size:10; font-weight:Bold; font-style:Italic");
}

}  // namespace
}  // namespace htmlsim
