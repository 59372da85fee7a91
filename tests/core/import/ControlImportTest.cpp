#include "FakeTextMeasurer.h"
#include "ImportFixture.h"
#include "document/SectionDocument.h"
#include "surface/PageControls.h"

namespace htmlsim::testing {
namespace {

using Texts = std::vector<std::string>;

// The design's document with these control sections, imported into page controls whose
// writer keeps `document` up to date, as the editor's does.
class ControlImport : public ImportFixture {
  protected:
    ControlImport() { context.controls = &controls; }

    void ImportControls(const std::string& labels, const std::string& anchors,
                        const std::string& inputs) {
        document = PageDocument({{"Images", ""},
                                 {"Labels", labels},
                                 {"Anchors", anchors},
                                 {"Inputs", inputs},
                                 {"Balloons", ""}});
        Import(document);
    }

    FakeTextMeasurer measurer;
    std::string document;
    int writes = 0;
    PageControls controls{measurer, dialogs,
                          [this](const std::string& name, const std::string& body) {
                              ++writes;
                              ReplaceSectionBody(document, name, body, dialogs);
                          }};
};

TEST_F(ControlImport, LabelsComeBackInOrderWithTheirStyleAndText) {
    ImportControls(
        "<Label style='position:absolute; left:10px; top:20px'>One</Label>\r\n"
        "<LABEL id='b' style='left:30px; top:40px'><b>Two</b></LABEL>\r\n"
        "<label>Three</label>\r\n",
        "", "");
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(controls.LabelCount(), 3);
    EXPECT_EQ(controls.Label1[0].Style(), "position:absolute; left:10px; top:20px");
    EXPECT_EQ(controls.Label1[1].InnerHTML(), "<b>Two</b>");
    EXPECT_EQ(controls.Label1.Placement(1).Top, 40);
    EXPECT_EQ(controls.Label1.Placement(1).Width, 80);  // "<b>Two</b>" drawn as it stands
    EXPECT_EQ(writes, 0);
}

TEST_F(ControlImport, FewerAnchorsUnloadTheRestAndAnEmptySectionHidesElementZero) {
    std::string five;
    for (int i = 0; i < 5; ++i) {
        five += "<a href='p" + std::to_string(i) + ".htm' style='left:1px; top:2px'>A</a>\r\n";
    }
    ImportControls("", five, "");
    EXPECT_EQ(controls.Anchor1.LoadedBound(), 5);

    ImportControls("", "<a class='c' href='x.htm' name='n' target='t'>Only</a>\r\n", "");
    EXPECT_EQ(controls.Anchor1.LoadedBound(), 1);
    EXPECT_EQ(controls.Anchor1[0].HTML(), "<a class='c' href='x.htm' name='n' target='t'>Only</a>");

    ImportControls("", "", "");
    EXPECT_EQ(controls.AnchorCount(), 0);
    EXPECT_FALSE(controls.Anchor1.Placement(0).Visible);
}

TEST_F(ControlImport, InputFlagsAndNumbers) {
    ImportControls("", "",
                   "<input type=checkbox checked=yes maxlength=10abc value='v'>Cap</input>\r\n"
                   "<input type=checkbox checked=on>x</input>\r\n"
                   "<input type='radio' checked='true' value='r'></input>\r\n"
                   "<input type='password' value='abcde'></input>\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Input cannot be recognized for true or false evaluation.");
    EXPECT_EQ(dialogs.messages[0].title, "ON");
    ASSERT_EQ(controls.InputCount(), 4);
    const Input& checkbox = controls.Input1[0];
    EXPECT_TRUE(checkbox.Checked());
    EXPECT_EQ(checkbox.MaxLength(), 10);
    EXPECT_FALSE(controls.Input1[1].Checked());
    EXPECT_TRUE(controls.Input1[2].Checked());
    EXPECT_EQ(controls.Input1[2].HTML().find("Checked"), std::string::npos);
    EXPECT_EQ(controls.Input1[3].Layout().ChildText, "*****");
    EXPECT_EQ(writes, 0);
    // Reading writes nothing back: the section keeps the text as it was typed.
    EXPECT_NE(GetSectionText(document, "Inputs").find("checked=on"), std::string::npos);
}

TEST_F(ControlImport, AFailingInputIsReportedCountedHiddenAndNeverLeftRefreshing) {
    ImportControls("", "",
                   "<input type='text' size='99999' value='big'></input>\r\n"
                   "<input type='text' maxlength='-40000'></input>\r\n"
                   "<input type='text' value='fine'></input>\r\n"
                   "<P>no input</P>\r\n");
    // Collected: each text once, with its count.
    EXPECT_EQ(dialogs.MessageTexts(), (Texts{"Overflow", "Tag Not Understood: 'P'"}));
    ASSERT_EQ(dialogs.collected.size(), 1u);
    EXPECT_EQ(dialogs.collected[0][0].count, 2u);
    ASSERT_EQ(controls.InputCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(controls.Input1[i].IsRefreshing()) << i;
    }
    EXPECT_FALSE(controls.Input1.Placement(0).Visible);
    EXPECT_TRUE(controls.Input1.Placement(2).Visible);
    EXPECT_EQ(controls.Input1[2].Value(), "fine");
}

TEST_F(ControlImport, WhatTheWritersProduceReadsBackTheSame) {
    ImportControls("", "", "");
    controls.AddLabel();
    controls.AddAnchor();
    controls.AddInput();
    Anchor& anchor = controls.Anchor1[0];
    anchor.SetHREF("Next.htm");
    anchor.SetTarget("_top");
    anchor.SetName2("a1");
    anchor.SetClass("nav");
    anchor.SetStyle("position:absolute; left:70px; top:80px; color:Red; font-weight:Bold");
    Input& input = controls.Input1[0];
    input.SetIsRefreshing(true);
    input.SetType2("CHECKBOX");  // the type is read back in upper case
    input.SetSize(4);
    input.SetReadOnly(true);
    input.SetChecked(true);
    input.SetCaption("Agree");
    input.SetIsRefreshing(false);
    input.SetValue("yes");
    const Texts written{controls.Label1[0].HTML(), anchor.HTML(), input.HTML()};

    Import(document);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(
        (Texts{controls.Label1[0].HTML(), controls.Anchor1[0].HTML(), controls.Input1[0].HTML()}),
        written);
    EXPECT_EQ(controls.Anchor1.Placement(0).Left, 70);
    EXPECT_TRUE(controls.Anchor1[0].Appearance().Font.Bold);
}

TEST_F(ControlImport, TheFirstLabelOfANewPageAddsItsSectionBeforeTheBody) {
    document = "<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n";
    controls.AddLabel();
    EXPECT_EQ(document,
              "<HTML>\r\n<BODY>\r\n<!-- Section: Labels -->\r\n"
              "<Label style='position:absolute; left:50px; top:50px'>Label 1</Label>\r\n"
              "<!-- Section End -->\r\n</BODY>\r\n</HTML>\r\n");
}

}  // namespace
}  // namespace htmlsim::testing
