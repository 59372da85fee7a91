#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>

#include "../EditorWindow.h"

namespace htmlsim::gui {
namespace {

class DocumentEditor : public testing::EditorWindow {
  protected:
    DocumentEditor() {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void OpenInEditor(const std::string& text) {
        Open("page.html", text);
        window.SSTab1()->setCurrentIndex(kDocumentEditorTab);
        EXPECT_EQ(QApplication::focusWidget(), editor());  // the tab hands its keys to the text
    }
    QPlainTextEdit* editor() const { return window.txtDocument(); }
    QLineEdit* term() const { return window.findChild<QLineEdit*>("txtFind"); }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    QTextCharFormat FormatAt(int line, int column) const {
        const QTextBlock block = editor()->document()->findBlockByNumber(line);
        for (const auto& range : block.layout()->formats()) {
            if (column >= range.start && column < range.start + range.length) {
                return range.format;
            }
        }
        return {};
    }
};

TEST_F(DocumentEditor, ColoursTheHtmlAndMarksSectionLinesWithoutTouchingTheText) {
    const std::string page =
        "<BODY>\r\n<!-- a note\r\n  over two lines -->\r\n<!-- Section: Main -->\r\n"
        "<a href=\"x.html\">&amp;\xc2\xa0</a>\r\n<!-- Section End -->\r\n</BODY>\r\n";
    OpenInEditor(page);
    const QTextCharFormat comment = FormatAt(1, 2);
    EXPECT_EQ(FormatAt(2, 2), comment);  // the comment goes on over the line break
    EXPECT_NE(FormatAt(3, 5), comment);
    EXPECT_EQ(FormatAt(3, 5), FormatAt(5, 5));
    EXPECT_EQ(FormatAt(3, 5).fontWeight(), QFont::Bold);
    const QTextCharFormat tag = FormatAt(4, 1);
    EXPECT_NE(FormatAt(4, 4), tag);                 // href
    EXPECT_NE(FormatAt(4, 10), FormatAt(4, 4));     // "x.html"
    EXPECT_EQ(FormatAt(4, 16), tag);                // >
    EXPECT_EQ(FormatAt(4, 22), QTextCharFormat());  // the non-breaking space is plain text

    window.SSTab1()->setCurrentIndex(0);
    EXPECT_EQ(window.GetSession().DocumentText(), page);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DocumentEditor, ColoursScriptAndStyleContentAsCodeNotAsTags) {
    OpenInEditor(
        "<SCRIPT type=\"text/javascript\">\r\nif (a<b) { x = '<p>'; }\r\n</script>\r\n"
        "<style media='x>y'>p { color: red }</STYLE><p>\r\n");
    const QTextCharFormat tag = FormatAt(0, 1);
    const QTextCharFormat code = FormatAt(1, 0);
    EXPECT_NE(code, tag);
    EXPECT_NE(code, QTextCharFormat());
    for (const int column : {5, 6, 16, 17}) {  // "<b" and "<p>" inside the script
        EXPECT_EQ(FormatAt(1, column), code) << column;
    }
    EXPECT_EQ(FormatAt(2, 1), tag);    // the script's end tag
    EXPECT_EQ(FormatAt(3, 20), code);  // the style's rules, after a quoted ">"
    EXPECT_EQ(FormatAt(3, 36), tag);   // its end tag
    EXPECT_EQ(FormatAt(3, 44), tag);   // and HTML again after it
}

TEST_F(DocumentEditor, FindIgnoresCaseWrapsAroundAndMarksAMissingTerm) {
    OpenInEditor("Alpha beta\r\nALPHA gamma\r\nalpha\r\n");
    Press(Qt::Key_F3);  // with nothing to find, F3 opens the bar
    ASSERT_TRUE(term()->isVisible());
    Press(Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), editor());

    Press(Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(term(), "alpha");
    const auto selected = [this] { return editor()->textCursor().selectionStart(); };
    EXPECT_EQ(selected(), 0);
    Press(Qt::Key_Return);
    EXPECT_EQ(selected(), 11);
    Press(Qt::Key_F3);
    EXPECT_EQ(selected(), 23);
    Press(Qt::Key_F3);
    EXPECT_EQ(selected(), 0);
    Press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(selected(), 23);
    Press(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(selected(), 11);
    EXPECT_EQ(editor()->textCursor().selectedText(), "ALPHA");

    const QColor normal = term()->palette().color(QPalette::Base);
    QTest::keyClicks(term(), "z");
    EXPECT_NE(term()->palette().color(QPalette::Base), normal);
    EXPECT_EQ(window.findChild<QLabel*>("lblFindStatus")->text(), "Not found");
    EXPECT_EQ(selected(), 11);

    window.SSTab1()->setCurrentIndex(0);  // the keys belong to the editor's tab only
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(term()->isVisible());
}

// Columns of the gutter's top line band painted in another colour than its background.
std::vector<int> InkedColumns(QWidget& gutter, int lineHeight) {
    const QImage shot = gutter.grab().toImage();
    std::vector<int> columns;
    for (int x = 0; x < shot.width(); ++x) {
        for (int y = 0; y < lineHeight; ++y) {
            if (shot.pixel(x, y) != shot.pixel(0, y)) {
                columns.push_back(x);
                break;
            }
        }
    }
    return columns;
}

TEST_F(DocumentEditor, TheLineNumberGutterWidensWithTheLineCountAndNumbersTheLinesInView) {
    OpenInEditor("<HTML>\r\n</HTML>\r\n");
    auto* gutter = editor()->findChild<QWidget*>("lineNumbers");
    ASSERT_NE(gutter, nullptr);
    const int digit = editor()->fontMetrics().horizontalAdvance(u'9');
    const int lineHeight = editor()->fontMetrics().height();
    const int padding = 4;
    const int twoDigits = editor()->viewport()->x();
    EXPECT_EQ(gutter->geometry().right() + 1, twoDigits);
    // Line 1's number stands right-aligned before the padding.
    const std::vector<int> one = InkedColumns(*gutter, lineHeight);
    ASSERT_FALSE(one.empty());
    EXPECT_GE(one.front(), gutter->width() - padding - digit);
    EXPECT_LT(one.back(), gutter->width() - padding);

    editor()->setPlainText(QString("line\n").repeated(2000));  // 2001 lines: four digits
    EXPECT_EQ(editor()->viewport()->x(), twoDigits + 2 * digit);
    EXPECT_EQ(gutter->geometry().right() + 1, editor()->viewport()->x());
    editor()->verticalScrollBar()->setValue(editor()->verticalScrollBar()->maximum());
    const std::vector<int> four = InkedColumns(*gutter, lineHeight);
    ASSERT_FALSE(four.empty());
    EXPECT_LT(four.front(), gutter->width() - padding - 3 * digit);  // the top line's is 19xx
}

// What choosing an entry with the mouse does: the list takes the focus, then the choice.
void ChooseEntry(QComboBox* sections, int index) {
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(sections, &focusIn);
    while (sections->currentIndex() < index) {
        QTest::keyClick(sections, Qt::Key_Down);
    }
}

TEST_F(DocumentEditor, EditingTheWholeDocumentThenChoosingAnEntryCommitsTheEditFirst) {
    window.Start("");
    window.SSTab1()->setCurrentIndex(kDocumentEditorTab);
    EXPECT_EQ(window.cboSections()->count(), 10);
    EXPECT_EQ(window.cboSections()->currentText(), "Entire Document");
    editor()->selectAll();
    for (const char* line : {"<BODY>", "<!-- Section: Only -->", "body", "<!-- Section End -->"}) {
        QTest::keyClicks(editor(), line);
        QTest::keyClick(editor(), Qt::Key_Return);
    }
    QTest::keyClicks(editor(), "</BODY>");
    ChooseEntry(window.cboSections(), 1);
    EXPECT_EQ(Document(),
              "<BODY>\r\n<!-- Section: Only -->\r\nbody\r\n<!-- Section End -->\r\n</BODY>");
    EXPECT_EQ(window.cboSections()->count(), 2);
    EXPECT_EQ(window.cboSections()->currentText(), "Only");
    EXPECT_EQ(editor()->toPlainText(), "body\n");
}

TEST_F(DocumentEditor, AWindows1252DocumentIsShownAsSuchAndSavedInIt) {
    OpenInEditor("<BODY>caf\xE9 \x80\xA0\x81\t</BODY>\r\n");
    EXPECT_EQ(window.EditorText(),
              std::string("<BODY>caf\xC3\xA9 \xE2\x82\xAC\xC2\xA0\xC2\x81\t</BODY>\n"));
    editor()->moveCursor(QTextCursor::Start);
    editor()->insertPlainText(QString::fromUtf8("\xC3\xBC"));  // pasted
    Trigger("mnuFileSave");
    EXPECT_EQ(testing::ReadFileBytes(folder.File("page.html")),
              "\xFC<BODY>caf\xE9 \x80\xA0\x81\t</BODY>\r\n");
}

TEST_F(DocumentEditor, GivesBackExactlyWhatItShows) {
    for (const std::string text : {"\xC2\xA0nbsp\t\xE2\x80\xA8line\n\n", "\xE2\x90\x8D\n", ""}) {
        window.ShowEditorText(text);
        EXPECT_EQ(window.EditorText(), text);
    }
}

TEST_F(DocumentEditor, AnEditKeepsEveryOtherLineBreakAsItWas) {
    const std::string bytes = "<BODY>\r\nLF\nCR\rCRCRLF\r\r\n</BODY>\r\n";
    OpenInEditor(bytes);
    editor()->moveCursor(QTextCursor::Start);
    QTest::keyClicks(editor(), "x");
    Trigger("mnuFileSave");
    EXPECT_EQ(testing::ReadFileBytes(folder.File("page.html")), "x" + bytes);
}

}  // namespace
}  // namespace htmlsim::gui
