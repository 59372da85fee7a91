#include <gtest/gtest.h>

#include <filesystem>

#include "FakeDesignForms.h"
#include "FakeDesignMouseView.h"
#include "FakeTextMeasurer.h"
#include "PageDocument.h"
#include "SessionTestSupport.h"
#include "document/SectionDocument.h"
#include "session/DesignInteraction.h"
#include "session/PageControlCommands.h"
#include "session/PageControlRemoval.h"
#include "session/SessionSectionWriter.h"

namespace htmlsim::testing {
namespace {

// A session whose design surface carries page controls, as the editor's does.
class ControlsSessionTest : public SessionTest {
  protected:
    ControlsSessionTest()
        : interaction(session, mouseView, forms),
          controls(measurer, dialogs, SessionSectionWriter(session)) {
        ConnectPageControls(interaction, controls);
    }

    FakeDesignMouseView mouseView;
    FakeDesignForms forms;
    FakeTextMeasurer measurer;
    DesignInteraction interaction;
    PageControls controls;
};

using BrokenDocuments = ControlsSessionTest;

// Every broken or hostile document of the corpus is opened, read into the design with its
// page controls, listed in the Document Editor and saved unchanged: the same bytes come back.
TEST_F(BrokenDocuments, AreReadAndSavedBackByteForByte) {
    const std::filesystem::path corpus = std::filesystem::path(HTMLSIM_TEST_DATA) / "broken";
    size_t documents = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (entry.path().extension() != ".html") {
            continue;
        }
        ++documents;
        const std::string name = entry.path().filename().string();
        const std::string original = ReadFileBytes(entry.path());
        Write(name, original);
        session.Start(File(name));
        session.SwitchTab(kDocumentEditorTab);
        session.SwitchTab(kImageDesignTab);
        ASSERT_EQ(session.PathAndName(), File(name));
        EXPECT_FALSE(session.ChangedSinceSaved()) << name;
        ASSERT_TRUE(session.SaveDocument()) << name;
        EXPECT_TRUE(Read(name) == original) << name;
    }
    EXPECT_GE(documents, 50u);
}

// A page with two anchors (the second linking to next.html), one label and one input.
class SessionPageControlsTest : public ControlsSessionTest {
  protected:
    SessionPageControlsTest() {
        Write("page.html",
              PageDocument({{"Images", ""},
                            {"Labels", "<Label style='left:5px; top:6px'>Hello</Label>\r\n"},
                            {"Anchors",
                             "<A style='left:10px; top:20px'>One</A>\r\n"
                             "<A style='left:10px; top:90px' HREF='next.html'>Two</A>\r\n"},
                            {"Inputs", "<Input type='text' style='left:1px; top:2px'/>\r\n"}}));
        session.Start(File("page.html"));
    }

    std::string Section(const std::string& name) const {
        return GetSectionText(session.DocumentText(), name);
    }
};

TEST_F(SessionPageControlsTest, ControlsAreReadAddedAndClearedWithThePage) {
    EXPECT_EQ(controls.AnchorCount(), 2);
    EXPECT_EQ(controls.LabelCount(), 1);
    EXPECT_EQ(controls.Anchor1[1].HREF(), "next.html");
    EXPECT_FALSE(session.ChangedSinceSaved());  // reading writes nothing back

    ASSERT_TRUE(interaction.RunCommand("mnuPalAddAnchor"));
    EXPECT_EQ(controls.AnchorCount(), 3);
    EXPECT_NE(Section("Anchors").find(">Anchor 3</a>"), std::string::npos);
    EXPECT_TRUE(session.ChangedSinceSaved());
    EXPECT_TRUE(dialogs.messages.empty());

    // An anchor click or a new document leaves no controls of the old page.
    controls.Anchor1.Click(0);  // no HREF: nothing happens
    EXPECT_EQ(session.FileNameOnly(), "page");

    controls.Anchor1.Click(1);
    EXPECT_EQ(session.FileNameOnly(), "next");
    EXPECT_EQ(controls.AnchorCount(), 0);
    EXPECT_EQ(controls.LabelCount(), 0);
    EXPECT_FALSE(controls.Anchor1.Placement(0).Visible);

    session.OpenDocument(File("page.html"));
    session.CreateNewDocument();
    EXPECT_EQ(controls.InputCount(), 0);
    EXPECT_FALSE(controls.Input1.Placement(0).Visible);
}

TEST_F(SessionPageControlsTest, RemovingAControlRewritesOnlyItsOwnSection) {
    const std::string labels = Section("Labels");
    RemovePageControl(session, controls, controls.Anchor1.Name(), 1);
    EXPECT_NE(Section("Anchors").find(">One<"), std::string::npos);
    EXPECT_EQ(Section("Anchors").find(">Two<"), std::string::npos);
    EXPECT_EQ(Section("Labels"), labels);

    const std::string anchors = Section("Anchors");
    RemovePageControl(session, controls, controls.Label1.Name(), 0);
    EXPECT_EQ(Section("Labels").find("Hello"), std::string::npos);
    EXPECT_EQ(Section("Anchors"), anchors);
}

}  // namespace
}  // namespace htmlsim::testing
