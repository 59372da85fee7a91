#include <gtest/gtest.h>

#include "ControlEventLog.h"
#include "FakeDialogs.h"
#include "FakeTextMeasurer.h"
#include "controls/Label.h"

namespace htmlsim {
namespace {

using Texts = std::vector<std::string>;

class LabelTest : public ::testing::Test {
  protected:
    testing::FakeTextMeasurer measurer;
    testing::FakeDialogs dialogs;
    Label label{measurer, dialogs};
    testing::ControlEventLog log{label};
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
    EXPECT_FALSE(label.MouseDown(MouseButton::Right, 0, 1, 1));
    label.MouseMoved(0, 9, 9);
    label.MouseUp(MouseButton::Right, 0, 9, 9);
    EXPECT_EQ(log.Take(), (Texts{"LeftMouseDown", "MouseMove", "LeftMouseUp"}));
}

TEST_F(LabelTest, TenDeclarationsKeepTheirOrderAfterADrag) {
    label.SetIsRefreshing(true);
    label.SetStyle(
        "position:absolute; left:1px; top:2px; width:80px; height:20px; color:Red; "
        "font-family:Arial; font-size:10; font-weight:Bold; font-style:Italic");
    label.SetIsRefreshing(false);
    log.position = {60, 70};
    label.MouseDown(MouseButton::Left, 0, 0, 0);
    label.MouseMoved(0, 3, 3);
    label.MouseUp(MouseButton::Left, 0, 3, 3);
    EXPECT_EQ(label.Style(),
              "position:absolute; left:60px; top:70px; width:80px; height:20px; color:Red; "
              "font-family:Arial; font-size:10; font-weight:Bold; font-style:Italic");
}

}  // namespace
}  // namespace htmlsim
