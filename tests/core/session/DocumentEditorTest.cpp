#include <gtest/gtest.h>

#include "SessionTestSupport.h"

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
}

TEST_F(DocumentEditor, AddSectionWithANameInUseAddsASecondAndSelectsTheFirst) {
    ShowDocument(kPage);
    dialogs.inputAnswers = {"A", ""};
    session.AddSectionCommand();
    EXPECT_NE(session.DocumentText().find("<!-- Section: A -->\r\n<!-- Section End -->\r\n</BODY>"),
              std::string::npos);
    EXPECT_EQ(view.sectionNames, (std::vector<std::string>{"Entire Document", "A", "B", "A"}));
    EXPECT_EQ(session.SelectedSection(), 1u);

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
    Type("typed");
    session.SwitchTab(kImageDesignTab);
    EXPECT_EQ(session.DocumentText(), broken);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

// A page with one lone LF is still a CR LF page: each line keeps its own ending, typed lines
// take the page's, and the end marker never joins the last line typed.
TEST_F(DocumentEditor, EditedLinesKeepTheirEndingsAndTheEndMarkerStartsItsOwnLine) {
    Write("page.html",
          "<HTML><BODY>\r\n<!-- Section: A -->\r\na\r\n<!-- Section End -->\r\n"
          "<!-- Section: B -->\r\nb1\nb2\r\n<!-- Section End -->\r\n</BODY></HTML>");
    session.OpenDocument(File("page.html"));
    session.SwitchTab(kDocumentEditorTab);
    session.SelectSection(2);
    EXPECT_EQ(view.editorText, "b1\nb2\n");
    Type("b0\nb1\nb2\n");
    session.SelectSection(1);
    Type("a\nmore");
    session.SwitchTab(kImageDesignTab);
    EXPECT_EQ(session.DocumentText(),
              "<HTML><BODY>\r\n<!-- Section: A -->\r\na\r\nmore\r\n<!-- Section End -->\r\n"
              "<!-- Section: B -->\r\nb0\r\nb1\nb2\r\n<!-- Section End -->\r\n</BODY></HTML>");
}

// Typed text not yet committed to the document is not lost on closing.
TEST_F(DocumentEditor, ClosingAfterTypingSavesADocumentWithAPath) {
    session.OpenDocument(File("page.html"));
    session.SwitchTab(kDocumentEditorTab);
    Type("<HTML>edited</HTML>");
    EXPECT_TRUE(session.PrepareToClose());
    EXPECT_EQ(Read("page.html"), "<HTML>edited</HTML>\r\n");
}

}  // namespace
}  // namespace htmlsim::testing
