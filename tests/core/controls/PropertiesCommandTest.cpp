#include <gtest/gtest.h>

#include <algorithm>

#include "ControlEventLog.h"
#include "FakeDialogs.h"
#include "FakePropertiesDialog.h"
#include "FakeTextMeasurer.h"
#include "controls/Anchor.h"
#include "controls/Input.h"

namespace htmlsim {
namespace {

using Texts = std::vector<std::string>;

int Count(const Texts& events, const std::string& event) {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
}

class PropertiesCommandTest : public ::testing::Test {
  protected:
    testing::FakeTextMeasurer measurer;
    testing::FakeDialogs dialogs;
    testing::FakePropertiesDialog dialog;
};

TEST_F(PropertiesCommandTest, AnchorWritesEveryRowBackAndAnnouncesOnce) {
    Anchor anchor(measurer, dialogs);
    anchor.SetStyle("position:absolute; left:0px; top:0px");
    anchor.SetHREF("a.htm");
    testing::ControlEventLog log(anchor);

    dialog.edits = {{"Name", "n1"},
                    {"HREF", "b.htm"},
                    {"Target", "_top"},
                    {"Style", "left:5px; top:6px; font-size:24"},
                    {"Value", "Go|on"}};
    anchor.ShowProperties(dialog);

    EXPECT_EQ(dialog.offered,
              (Texts{"", "a.htm", "", "position:absolute; left:0px; top:0px", "Anchor"}));
    EXPECT_EQ(anchor.HTML(),
              "<a href='b.htm' name='n1' target='_top' style='left:5px; top:6px; "
              "font-size:24'>Go|on</a>");
    const Texts events = log.Take();
    EXPECT_EQ(events.front(), "Move(5,6)");
    EXPECT_EQ(Count(events, "ChangeHasBeenMade"), 1);
    // The closing redraw shows the new size in the new font.
    EXPECT_EQ(anchor.Drawing().Height, 32);

    // Closing without edits rewrites the same values and still announces once.
    dialog.edits.clear();
    anchor.ShowProperties(dialog);
    EXPECT_EQ(dialog.offered[4], "Go|on");
    EXPECT_EQ(Count(log.Take(), "ChangeHasBeenMade"), 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PropertiesCommandTest, InputRowsFollowTheTypeAndTheNewTypeShowsAtTheNextOpening) {
    Input input(measurer, dialogs);
    testing::ControlEventLog log(input);
    dialog.edits = {{"Type", "CHECKBOX"}, {"Size", "12.5"}, {"ReadOnly", "-1"}};
    input.ShowProperties(dialog);
    EXPECT_EQ(dialog.names, (Texts{"Name", "Type", "Value", "Size", "ReadOnly", "Style",
                                   "MaxLength", "Disabled"}));
    EXPECT_EQ(dialog.offered, (Texts{"", "Text", "Input", "0", "False",
                                     "position:absolute; left:0px; top:0px", "0", "False"}));
    EXPECT_EQ(input.Layout().Child, InputChild::CheckBox);
    EXPECT_EQ(Count(log.Take(), "ChangeHasBeenMade"), 1);

    dialog.edits = {{"Checked", "yes"}, {"Caption", "Remember"}};
    input.ShowProperties(dialog);
    EXPECT_EQ(dialog.names.size(), 10u);
    EXPECT_EQ(input.HTML(),
              "<input type='CHECKBOX' size='12' readonly='True' value='Input' "
              "Checked='Checked' style='position:absolute; left:0px; top:0px'>Remember</input>");

    input.SetType2("image");
    input.ShowProperties(dialog);
    EXPECT_EQ(dialog.names, (Texts{"Name", "Type", "Value", "SRC", "Size", "ReadOnly", "Style",
                                   "MaxLength", "Disabled", "Title"}));
}

TEST_F(PropertiesCommandTest, BadNumberAndFlagRowsKeepTheirValueWhileTheOthersApply) {
    Input input(measurer, dialogs);
    input.SetSize(4);
    input.SetMaxLength(8);
    input.SetDisabled(true);
    testing::ControlEventLog log(input);
    dialog.edits = {{"Name", "q"},         {"Size", "abc"},       {"MaxLength", "40000"},
                    {"ReadOnly", "maybe"}, {"Disabled", "fAlse"}, {"Type", "range"},
                    {"Value", "v"}};
    input.ShowProperties(dialog);

    EXPECT_EQ(input.HTML(),
              "<input name='q' type='Text' size='4' maxlength='8' value='v' "
              "style='position:absolute; left:0px; top:0px'></input>");
    EXPECT_FALSE(input.Disabled());
    EXPECT_EQ(dialogs.MessageTexts(),
              (Texts{"Value Not Understood: 'range'",
                     "The Size row needs a number from -32768 to 32767; 'abc' was not used.",
                     "The ReadOnly row needs True, False or a number; 'maybe' was not used.",
                     "The MaxLength row needs a number from -32768 to 32767; '40000' was not "
                     "used."}));
    EXPECT_FALSE(input.IsRefreshing());
    EXPECT_EQ(Count(log.Take(), "ChangeHasBeenMade"), 1);
}

}  // namespace
}  // namespace htmlsim
