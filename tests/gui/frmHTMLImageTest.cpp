#include "frmHTMLImage.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "document/DocumentTemplate.h"
#include "frmAbout.h"

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
    void TypeAtEnd(const QString& keys) {
        window.txtDocument()->moveCursor(QTextCursor::End);
        QTest::keyClicks(window.txtDocument(), keys);
    }
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

TEST_F(MainWindow, HasBothTabsAndEveryMenuItemWithItsCaption) {
    window.Start("");
    ASSERT_EQ(window.SSTab1()->count(), 2);
    EXPECT_EQ(window.SSTab1()->tabText(0), "Image Design");
    EXPECT_EQ(window.SSTab1()->tabText(1), "Document Editor");
    EXPECT_EQ(window.cmdAddSection()->text(), "Add Section");
    EXPECT_TRUE(QFontInfo(window.txtDocument()->font()).fixedPitch());

    const std::vector<std::tuple<const char*, const char*, bool>> items = {
        {"mnuSetWorkFolder", "Set Working Folder", true},
        {"mnuFileNew", "Network", true},
        {"mnuFileNewFTPProject", "FTP", true},
        {"mnuFileOpen", "&Open File...", true},
        {"mnuFileSaveAs", "Sav&e As...", true},
        {"mnuOpenFTPFile", "Open FTP File...", true},
        {"mnuSaveAsFTPFile", "Save As FTP File...", true},
        {"mnuFileSave", "&Save", true},
        {"mnuFileExit", "E&xit", true},
        {"mnuCodeLibrary", "Code Library", true},
        {"mnuRefreshDrawing", "Refresh Drawing", true},
        {"mnuToolsRecordSimulation", "Create Sim.js", true},
        {"mnuAbout", "&About", true}};
    for (const auto& [name, caption, enabled] : items) {
        QAction* action = window.MenuItem(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text().toStdString(), caption);
        EXPECT_EQ(action->isEnabled(), enabled) << name;
    }
}

TEST_F(MainWindow, AboutShowsTitleVersionAndPurpose) {
    frmAbout about(&window);
    EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), "htmlsim");
    EXPECT_TRUE(about.findChild<QLabel*>("lblVersion")->text().startsWith("Version "));
    EXPECT_EQ(about.findChild<QLabel*>("lblDescription")->text(),
              "Tool used to make HTML based software simulations.");
}

TEST_F(MainWindow, EditingTheWholeDocumentThenChoosingAnEntryCommitsTheEditFirst) {
    window.Start("");
    ShowEditor();
    EXPECT_EQ(window.cboSections()->count(), 10);
    EXPECT_EQ(window.cboSections()->currentText(), "Entire Document");
    window.txtDocument()->selectAll();
    QTest::keyClicks(window.txtDocument(), "<BODY>");
    QTest::keyClick(window.txtDocument(), Qt::Key_Return);
    QTest::keyClicks(window.txtDocument(), "<!-- Section: Only -->");
    QTest::keyClick(window.txtDocument(), Qt::Key_Return);
    QTest::keyClicks(window.txtDocument(), "body");
    QTest::keyClick(window.txtDocument(), Qt::Key_Return);
    QTest::keyClicks(window.txtDocument(), "<!-- Section End -->");
    QTest::keyClick(window.txtDocument(), Qt::Key_Return);
    QTest::keyClicks(window.txtDocument(), "</BODY>");
    ChooseEntry(1);
    EXPECT_EQ(Document(),
              "<BODY>\r\n<!-- Section: Only -->\r\nbody\r\n<!-- Section End -->\r\n</BODY>");
    EXPECT_EQ(window.cboSections()->count(), 2);
    EXPECT_EQ(window.cboSections()->currentText(), "Only");
    EXPECT_EQ(window.txtDocument()->toPlainText(), "body\n");
}

TEST_F(MainWindow, SwitchingToTheDesignCommitsTheEditedSection) {
    window.Start("");
    ShowEditor();
    ChooseEntry(3);
    EXPECT_EQ(window.cboSections()->currentText(), "Style");
    window.txtDocument()->moveCursor(QTextCursor::Start);
    QTest::keyClicks(window.txtDocument(), "/* mine */");
    QTest::keyClick(window.txtDocument(), Qt::Key_Return);
    window.SSTab1()->setCurrentIndex(kImageDesignTab);
    EXPECT_NE(Document().find("<!-- Section: Style -->\r\n/* mine */\r\n<STYLE>\r\n</STYLE>\r\n"
                              "<!-- Section End -->"),
              std::string::npos);
}

TEST_F(MainWindow, ClosingSavesTheTypedWorkWhereTheDocumentLives) {
    WriteFileBytes(File("page.html"), NewDocumentTemplate());
    window.Start(File("page.html"));
    ShowEditor();
    TypeAtEnd("<!-- end -->");
    EXPECT_TRUE(window.close());
    EXPECT_EQ(ReadFileBytes(File("page.html")), NewDocumentTemplate() + "<!-- end -->\r\n");
    EXPECT_TRUE(dialogs.asked.empty());
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

}  // namespace
}  // namespace htmlsim::gui

namespace htmlsim::gui {
namespace {

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
