#include "editor/DocumentTextEdit.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

#include "editor/HtmlHighlighter.h"

namespace htmlsim::gui {

namespace {

// The gutter left of the text; the editor paints it, so that it follows the text's scrolling.
class LineNumberArea : public QWidget {
  public:
    explicit LineNumberArea(DocumentTextEdit* editor) : QWidget(editor), mEditor(editor) {}

    QSize sizeHint() const override { return {mEditor->LineNumberAreaWidth(), 0}; }

  protected:
    void paintEvent(QPaintEvent* event) override { mEditor->PaintLineNumbers(event); }

  private:
    DocumentTextEdit* mEditor;
};

constexpr int kGutterPadding = 4;

}  // namespace

DocumentTextEdit::DocumentTextEdit(QWidget* parent)
    : QPlainTextEdit(parent), mLineNumberArea(new LineNumberArea(this)) {
    mLineNumberArea->setObjectName("lineNumbers");
    new HtmlHighlighter(document());  // owned by the document
    connect(this, &QPlainTextEdit::blockCountChanged, this,
            &DocumentTextEdit::UpdateLineNumberAreaWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &DocumentTextEdit::UpdateLineNumberArea);
    UpdateLineNumberAreaWidth();
}

int DocumentTextEdit::LineNumberAreaWidth() const {
    int digits = 2;
    for (int lines = blockCount(); lines >= 100; lines /= 10) {
        ++digits;
    }
    return 2 * kGutterPadding + fontMetrics().horizontalAdvance(u'9') * digits;
}

void DocumentTextEdit::PaintLineNumbers(QPaintEvent* event) {
    QPainter painter(mLineNumberArea);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int numberWidth = mLineNumberArea->width() - kGutterPadding;
    const int lineHeight = fontMetrics().height();
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal bottom = top + blockBoundingRect(block).height();
        if (block.isVisible() && bottom >= event->rect().top()) {
            painter.drawText(0, qRound(top), numberWidth, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        top = bottom;
    }
}

void DocumentTextEdit::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        UpdateLineNumberAreaWidth();
    }
}

void DocumentTextEdit::paintEvent(QPaintEvent* event) {
    PaintSectionMarkerLines(event->rect());
    QPlainTextEdit::paintEvent(event);
}

void DocumentTextEdit::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect contents = contentsRect();
    mLineNumberArea->setGeometry(
        QRect(contents.left(), contents.top(), LineNumberAreaWidth(), contents.height()));
}

void DocumentTextEdit::UpdateLineNumberAreaWidth() {
    setViewportMargins(LineNumberAreaWidth(), 0, 0, 0);
}

void DocumentTextEdit::UpdateLineNumberArea(const QRect& rect, int dy) {
    if (dy != 0) {
        mLineNumberArea->scroll(0, dy);
    } else {
        mLineNumberArea->update(0, rect.y(), mLineNumberArea->width(), rect.height());
    }
    if (rect.contains(viewport()->rect())) {
        UpdateLineNumberAreaWidth();
    }
}

void DocumentTextEdit::PaintSectionMarkerLines(const QRect& area) {
    // Painted under the text, across the whole width, so a marker reads as a divider.
    QPainter painter(viewport());
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF line = blockBoundingGeometry(block).translated(contentOffset());
        if (line.top() > area.bottom()) {
            break;
        }
        if (HtmlHighlighter::IsSectionMarker(block) && line.bottom() >= area.top()) {
            painter.fillRect(QRectF(0, line.top(), viewport()->width(), line.height()),
                             HtmlHighlighter::SectionMarkerTint());
        }
    }
}

}  // namespace htmlsim::gui
