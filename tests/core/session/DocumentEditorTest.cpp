#include <gtest/gtest.h>

#include "SessionTestSupport.h"
#include "document/DocumentTemplate.h"
#include "document/SectionDocument.h"

namespace htmlsim::testing {
namespace {

class DocumentEditor : public SessionTest {
  protected:
    void ShowDocument(const std::string& text) {
        session.Start("");
        session.SetDocumentText(text);
        session.SwitchTab(kDocumentEditorTab);
    }
};

const std::string kPage =
    "<HTML><BODY>\r\n<!-- Section: A -->\r\na\r\n<!-- Section End -->\r\n"
    "<!-- Section: B -->\r\nb\r\n<!-- Section End -->\r\n</BODY></HTML>";

TEST_F(DocumentEditor, SwitchingToTheEditorListsTheSectionsAndShowsTheWholeDocument) {
    session.Start("");
    session.SwitchTab(kDocumentEditorTab);
    EXPECT_EQ(view.sectionNames,
              (std::vector<std::string>{"Entire Document", "CanvasScript_Top", "Scripts", "Style",
                                        "Balloons", "Images", "Anchors", "Main Body 1",
                                        "Main Body 2", "CanvasScript_Bottom"}));
    EXPECT_EQ(view.quietSelection, 0u);
    EXPECT_EQ(session.SelectedSection(), 0u);
    EXPECT_EQ(view.editorText.find('\r'), std::string::npos);
    EXPECT_EQ(view.editorText.substr(0, 13), "<HTML>\n<HEAD>");
    EXPECT_FALSE(session.SectionEdited());

    session.SelectSection(3);
    EXPECT_EQ(view.editorText, "<STYLE>\n</STYLE>\n");
    EXPECT_FALSE(session.SectionEdited());
}

TEST_F(DocumentEditor, AnEditOfTheWholeDocumentIsCommittedBeforeAnotherEntryIsChosen) {
    ShowDocument(kPage);
    Type("<HTML><BODY>\n<!-- Section: C -->\nc\n<!-- Section End -->\n</BODY></HTML>");
    EXPECT_TRUE(session.SectionEdited());
    session.SectionListFocused();
    EXPECT_FALSE(session.SectionEdited());
    EXPECT_EQ(session.DocumentText(),
              "<HTML><BODY>\r\n<!-- Section: C -->\r\nc\r\n<!-- Section End -->\r\n</BODY></HTML>");
    EXPECT_EQ(view.sectionNames, (std::vector<std::string>{"Entire Document", "C"}));
    session.SelectSection(1);
    EXPECT_EQ(view.editorText, "c\n");
}

TEST_F(DocumentEditor, AnEditOfOneSectionReplacesItsBodyOnlyAndKeepsItSelected) {
    ShowDocument(kPage);
    session.SelectSection(2);
    Type("b1\nb2\n");
    const int loads = view.editorLoads;
    session.SwitchTab(kImageDesignTab);
    EXPECT_EQ(session.DocumentText(),
              "<HTML><BODY>\r\n<!-- Section: A -->\r\na\r\n<!-- Section End -->\r\n"
              "<!-- Section: B -->\r\nb1\r\nb2\r\n<!-- Section End -->\r\n</BODY></HTML>");
    EXPECT_EQ(view.quietSelection, 2u);
    EXPECT_EQ(view.editorLoads, loads);  // the text box keeps what was typed
    EXPECT_EQ(view.imports, 2);
}

TEST_F(DocumentEditor, AddSectionWithANameInUseAddsASecondAndSelectsTheFirst) {
    ShowDocument(kPage);
    dialogs.inputAnswers = {"A", ""};
    session.AddSectionCommand();
    EXPECT_EQ(dialogs.asked.at(0).prompt, "Section Name?");
    EXPECT_EQ(dialogs.asked.at(0).title, "Name");
    EXPECT_EQ(dialogs.asked.at(0).request.fileName, "NewSection");
    EXPECT_NE(session.DocumentText().find("<!-- Section: A -->\r\n<!-- Section End -->\r\n</BODY>"),
              std::string::npos);
    EXPECT_EQ(view.sectionNames, (std::vector<std::string>{"Entire Document", "A", "B", "A"}));
    EXPECT_EQ(session.SelectedSection(), 1u);
    EXPECT_EQ(view.quietSelection, 1u);
    EXPECT_EQ(view.editorText, "a\n");

    const std::string before = session.DocumentText();
    session.AddSectionCommand();  // cancelled
    EXPECT_EQ(session.DocumentText(), before);
}

TEST_F(DocumentEditor, AnEntryWithoutItsEndMarkerRefusesAnEdit) {
    const std::string broken = "<BODY><!-- Section: A -->\r\nopen</BODY>";
    ShowDocument(broken);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"End of Section Not Found: '<!-- Section End -->'"});
    session.SelectSection(1);
    EXPECT_EQ(view.editorText, "");
    Type("typed");
    session.SwitchTab(kImageDesignTab);
    EXPECT_EQ(session.DocumentText(), broken);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages[1].text.find("'A'"), std::string::npos);
}

TEST_F(DocumentEditor, AWindows1252DocumentIsShownAsSuchAndWrittenBackInIt) {
    std::string bytes = "<HTML><BODY>caf\xE9 \x80\x81\r\n";
    for (int i = 0xA0; i < 256; ++i) {
        bytes += static_cast<char>(i);
    }
    bytes += "</BODY></HTML>\r\n";
    Write("old.html", bytes);
    session.Start(File("old.html"));
    session.SaveDocument();
    EXPECT_EQ(Read("old.html"), bytes);

    session.SwitchTab(kDocumentEditorTab);
    EXPECT_EQ(view.editorText.substr(0, 23), "<HTML><BODY>caf\xC3\xA9 \xE2\x82\xAC\xC2\x81");
    Type(view.editorText + "\xC3\xBC");
    session.SaveDocument();
    EXPECT_EQ(Read("old.html"), bytes.substr(0, bytes.size() - 2) + "\xFC\r\n");
}

TEST_F(DocumentEditor, ClosingAfterTypingSavesADocumentWithAPath) {
    session.OpenDocument(File("page.html"));
    session.SwitchTab(kDocumentEditorTab);
    Type("<HTML>edited</HTML>");
    EXPECT_TRUE(session.PrepareToClose());
    EXPECT_EQ(Read("page.html"), "<HTML>edited</HTML>\r\n");
    EXPECT_TRUE(dialogs.asked.empty());
}

}  // namespace
}  // namespace htmlsim::testing
