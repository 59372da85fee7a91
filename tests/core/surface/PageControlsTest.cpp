#include <gtest/gtest.h>

#include <map>

#include "FakeDialogs.h"
#include "FakeTextMeasurer.h"
#include "surface/PageControls.h"
#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

using Texts = std::vector<std::string>;

class PageControlsTest : public ::testing::Test {
  protected:
    testing::FakeTextMeasurer measurer;
    testing::FakeDialogs dialogs;
    std::map<std::string, std::string> sections;
    Texts followed;
    PageControls controls{
        measurer, dialogs,
        [this](const std::string& name, const std::string& body) { sections[name] = body; }};

    void SetUp() override {
        controls.FollowLink = [this](const std::string& href) { followed.push_back(href); };
    }

    void Click(PageControl& control) {
        control.MouseDown(MouseButton::Left, 0, 1, 1);
        control.MouseUp(MouseButton::Left, 0, 1, 1);
    }
    void Drag(PageControl& control, float dx, float dy) {
        control.MouseDown(MouseButton::Left, 0, 2, 2);
        control.MouseMoved(0, 2 + dx, 2 + dy);
        control.MouseUp(MouseButton::Left, 0, 2 + dx, 2 + dy);
    }
};

TEST_F(PageControlsTest, NewControlsStackFiftyPixelsFromTheEdgesAndDragsAreWrittenBack) {
    controls.AddLabel();
    controls.AddLabel();
    controls.AddLabel();
    Drag(controls.Label1[2], 30, -20);
    EXPECT_EQ(sections["Labels"],
              "<Label style='position:absolute; left:50px; top:50px'>Label 1</Label>\r\n"
              "<Label style='position:absolute; left:50px; top:66px'>Label 2</Label>\r\n"
              "<Label style='position:absolute; left:80px; top:62px'>Label 3</Label>\r\n");
    controls.AddInput();
    EXPECT_EQ(sections["Inputs"],
              "<input type='Text' value='Input 1' style='position:absolute; left:50px; "
              "top:50px'></input>\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PageControlsTest, AddAnchorGoesBelowTheAnchorsAlreadyThereWhereverTheyStand) {
    for (int i = 0; i < 2; ++i) {
        const int index = controls.NextElement(controls.Anchor1);
        RefreshingScope refreshing(controls.Anchor1[index]);
        controls.Anchor1[index].SetStyle("left:300px; top:" + std::to_string(400 + i) + "px");
    }
    controls.AddAnchor();
    EXPECT_EQ(controls.Anchor1[2].Value(), "Anchor 3");
    EXPECT_EQ(controls.Anchor1.Placement(2).Top, 50 + 2 * 16);
}

TEST_F(PageControlsTest, ClicksFollowLinksAndLabelsStaySilent) {
    controls.AddAnchor();
    controls.AddLabel();
    controls.AddInput();
    Click(controls.Anchor1[0]);  // no link: nothing to follow
    controls.Anchor1[0].SetHREF("Next.htm");
    Click(controls.Anchor1[0]);
    EXPECT_EQ(followed, Texts{"Next.htm"});

    Click(controls.Label1[0]);  // selects it in the editor; nothing is said
    controls.Input1[0].ChildClicked();
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PageControlsTest, RemovingHidesElementZeroAndUnloadsTheRest) {
    for (int i = 0; i < 5; ++i) {
        controls.AddAnchor();
    }
    controls.RemoveAllAnchors();
    EXPECT_EQ(controls.Anchor1.LoadedBound(), 1);

    for (int i = 0; i < 3; ++i) {
        controls.AddLabel();
    }
    controls.UnloadControlsAbove("Label1", 1);
    EXPECT_EQ(controls.Label1.LoadedBound(), 2);
}

TEST_F(PageControlsTest, AFailingWriterOrAFullArrayIsReportedAndNothingBreaks) {
    PageControls broken{measurer, dialogs, [](const std::string&, const std::string&) {
                            throw RuntimeError("Section 'Labels' has no end marker");
                        }};
    broken.AddLabel();
    EXPECT_EQ(broken.LabelCount(), 1);
    EXPECT_EQ(dialogs.MessageTexts().back(), "Section 'Labels' has no end marker");

    controls.Label1.SetCount(32767);
    controls.AddLabel();
    EXPECT_EQ(dialogs.MessageTexts().back(), "Overflow");
    EXPECT_EQ(controls.LabelCount(), 32767);

    // A column that would reach beyond the page counts no control.
    controls.Label1.SetCount(3000);
    controls.AddLabel();
    EXPECT_EQ(controls.LabelCount(), 3000);
    EXPECT_FALSE(controls.Label1[0].IsRefreshing());
}

}  // namespace
}  // namespace htmlsim
