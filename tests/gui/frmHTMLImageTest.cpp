#include "frmHTMLImage.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include "FakeDialogs.h"
#include "TempFolder.h"

namespace htmlsim::gui {
namespace {

using testing::FakeDialogs;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

class MainWindow : public ::testing::Test {
  protected:
    MainWindow() : window(dialogs, folder.File("program")) { window.show(); }

    std::string File(const std::string& name) const { return folder.File(name); }
    void ShowEditor() { window.SSTab1()->setCurrentIndex(kDocumentEditorTab); }
    // What choosing an entry with the mouse does: the list takes the focus, then the choice.
    void ChooseEntry(int index) {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(window.cboSections(), &focusIn);
        while (window.cboSections()->currentIndex() < index) {
            QTest::keyClick(window.cboSections(), Qt::Key_Down);
        }
    }
    void Trigger(const char* menuItem) {
        QAction* action = window.MenuItem(menuItem);
        ASSERT_NE(action, nullptr) << menuItem;
        action->trigger();
    }
    std::string Document() { return window.GetSession().DocumentText(); }

    TempFolder folder;
    FakeDialogs dialogs;
    frmHTMLImage window;
};

TEST_F(MainWindow, EditingTheWholeDocumentThenChoosingAnEntryCommitsTheEditFirst) {
    window.Start("");
    ShowEditor();
    EXPECT_EQ(window.cboSections()->count(), 10);
    EXPECT_EQ(window.cboSections()->currentText(), "Entire Document");
    window.txtDocument()->selectAll();
    for (const char* line : {"<BODY>", "<!-- Section: Only -->", "body", "<!-- Section End -->"}) {
        QTest::keyClicks(window.txtDocument(), line);
        QTest::keyClick(window.txtDocument(), Qt::Key_Return);
    }
    QTest::keyClicks(window.txtDocument(), "</BODY>");
    ChooseEntry(1);
    EXPECT_EQ(Document(),
              "<BODY>\r\n<!-- Section: Only -->\r\nbody\r\n<!-- Section End -->\r\n</BODY>");
    EXPECT_EQ(window.cboSections()->count(), 2);
    EXPECT_EQ(window.cboSections()->currentText(), "Only");
    EXPECT_EQ(window.txtDocument()->toPlainText(), "body\n");
}

TEST_F(MainWindow, AWindows1252DocumentIsShownAsSuchAndSavedInIt) {
    WriteFileBytes(File("old.html"), "<BODY>caf\xE9 \x80\xA0\x81\t</BODY>\r\n");
    window.Start(File("old.html"));
    ShowEditor();
    EXPECT_EQ(window.EditorText(),
              std::string("<BODY>caf\xC3\xA9 \xE2\x82\xAC\xC2\xA0\xC2\x81\t</BODY>\n"));
    window.txtDocument()->moveCursor(QTextCursor::Start);
    window.txtDocument()->insertPlainText(QString::fromUtf8("\xC3\xBC"));  // pasted
    Trigger("mnuFileSave");
    EXPECT_EQ(ReadFileBytes(File("old.html")), "\xFC<BODY>caf\xE9 \x80\xA0\x81\t</BODY>\r\n");
}

TEST_F(MainWindow, TheEditorGivesBackExactlyWhatItShows) {
    for (const std::string text : {"\xC2\xA0nbsp\t\xE2\x80\xA8line\n\n", "\xE2\x90\x8D\n", ""}) {
        window.ShowEditorText(text);
        EXPECT_EQ(window.EditorText(), text);
    }
}

TEST_F(MainWindow, AnEditKeepsEveryOtherLineBreakAsItWas) {
    const std::string bytes = "<BODY>\r\nLF\nCR\rCRCRLF\r\r\n</BODY>\r\n";
    WriteFileBytes(File("mixed.html"), bytes);
    window.Start(File("mixed.html"));
    ShowEditor();
    window.txtDocument()->moveCursor(QTextCursor::Start);
    QTest::keyClicks(window.txtDocument(), "x");
    Trigger("mnuFileSave");
    EXPECT_EQ(ReadFileBytes(File("mixed.html")), "x" + bytes);
}

}  // namespace
}  // namespace htmlsim::gui
