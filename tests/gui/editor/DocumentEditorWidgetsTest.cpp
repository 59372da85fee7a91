#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "../EditorWindow.h"

namespace htmlsim::gui {
namespace {

using DocumentEditor = testing::EditorWindow;

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
    Open("page.html", "<HTML>\r\n</HTML>\r\n");
    window.SSTab1()->setCurrentIndex(kDocumentEditorTab);
    QPlainTextEdit* editor = window.txtDocument();
    auto* gutter = editor->findChild<QWidget*>("lineNumbers");
    ASSERT_NE(gutter, nullptr);
    const int digit = editor->fontMetrics().horizontalAdvance(u'9');
    const int lineHeight = editor->fontMetrics().height();
    const int padding = 4;
    const int twoDigits = editor->viewport()->x();
    EXPECT_EQ(gutter->geometry().right() + 1, twoDigits);
    // Line 1's number stands right-aligned before the padding.
    const std::vector<int> one = InkedColumns(*gutter, lineHeight);
    ASSERT_FALSE(one.empty());
    EXPECT_GE(one.front(), gutter->width() - padding - digit);
    EXPECT_LT(one.back(), gutter->width() - padding);

    editor->setPlainText(QString("line\n").repeated(2000));  // 2001 lines: four digits
    EXPECT_EQ(editor->viewport()->x(), twoDigits + 2 * digit);
    EXPECT_EQ(gutter->geometry().right() + 1, editor->viewport()->x());
    editor->verticalScrollBar()->setValue(editor->verticalScrollBar()->maximum());
    const std::vector<int> four = InkedColumns(*gutter, lineHeight);
    ASSERT_FALSE(four.empty());
    EXPECT_LT(four.front(), gutter->width() - padding - 3 * digit);  // the top line's is 19xx
}

}  // namespace
}  // namespace htmlsim::gui
