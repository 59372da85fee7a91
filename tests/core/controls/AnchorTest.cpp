#include <gtest/gtest.h>

#include "ControlEventLog.h"
#include "FakeDialogs.h"
#include "FakeTextMeasurer.h"
#include "controls/Anchor.h"

namespace htmlsim {
namespace {

using Texts = std::vector<std::string>;

class AnchorTest : public ::testing::Test {
  protected:
    testing::FakeTextMeasurer measurer;
    testing::FakeDialogs dialogs;
    Anchor anchor{measurer, dialogs};
    testing::ControlEventLog log{anchor};
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
    anchor.MouseDown(MouseButton::Left, 0, 4.4f, 5.6f);
    anchor.MouseMoved(0, 14.4f, 2.6f);
    log.position = {35, 120};
    anchor.MouseUp(MouseButton::Left, 0, 14.4f, 2.6f);
    EXPECT_EQ(log.Take(), (Texts{"LeftMouseDown", "MouseMove", "MoveControl(10,-3)",
                                 "WhatsMyPosition", "ChangeHasBeenMade", "LeftMouseUp"}));
    EXPECT_EQ(anchor.Style(), "position:absolute; left:35px; top:120px");

    anchor.MouseDown(MouseButton::Left, 0, 1, 1);
    anchor.MouseUp(MouseButton::Left, 0, 1, 1);
    EXPECT_EQ(log.Take(), (Texts{"LeftMouseDown", "Click", "LeftMouseUp"}));
}

TEST_F(AnchorTest, TheRightButtonAsksForTheMenuAndAnotherButtonDragsUntilTheLeftIsReleased) {
    EXPECT_TRUE(anchor.MouseDown(MouseButton::Right, 0, 1, 1));
    anchor.MouseMoved(0, 5, 5);
    anchor.MouseUp(MouseButton::Right, 0, 5, 5);
    EXPECT_EQ(log.Take(), (Texts{"LeftMouseDown", "MouseMove", "LeftMouseUp"}));

    EXPECT_FALSE(anchor.MouseDown(MouseButton::Middle, 0, 1, 1));
    anchor.MouseMoved(0, 3, 1);
    anchor.MouseUp(MouseButton::Middle, 0, 3, 1);
    EXPECT_EQ(log.Take(), (Texts{"LeftMouseDown", "MouseMove", "MoveControl(2,0)", "LeftMouseUp"}));
    anchor.MouseDown(MouseButton::Left, 0, 3, 1);
    anchor.MouseUp(MouseButton::Left, 0, 3, 1);
    EXPECT_EQ(log.Take(),
              (Texts{"LeftMouseDown", "WhatsMyPosition", "ChangeHasBeenMade", "LeftMouseUp"}));
}

TEST_F(AnchorTest, ADragWithAnEmptyStyleWritesTheDefaultPositionAndKeepsTrailingParts) {
    anchor.SetStyle("");
    log.position = {-2, 7};
    anchor.MouseDown(MouseButton::Left, 0, 0, 0);
    anchor.MouseMoved(0, 1, 1);
    anchor.MouseUp(MouseButton::Left, 0, 1, 1);
    EXPECT_EQ(anchor.Style(), "position:absolute; left:-2px; top:7px");

    anchor.SetStyle("color:red; top:1px;");
    anchor.MouseDown(MouseButton::Left, 0, 0, 0);
    anchor.MouseMoved(0, 1, 1);
    anchor.MouseUp(MouseButton::Left, 0, 1, 1);
    EXPECT_EQ(anchor.Style(), "color:red; top:7px; :");
}

}  // namespace
}  // namespace htmlsim
