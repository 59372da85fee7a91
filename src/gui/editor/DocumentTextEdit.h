#pragma once

#include <QPlainTextEdit>

namespace htmlsim::gui {

// The Document Editor's text box: coloured HTML, the line numbers in a gutter on the left, and
// the section marker lines tinted across the whole width.
class DocumentTextEdit : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit DocumentTextEdit(QWidget* parent = nullptr);

    int LineNumberAreaWidth() const;
    void PaintLineNumbers(QPaintEvent* event);

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void UpdateLineNumberAreaWidth();
    void UpdateLineNumberArea(const QRect& rect, int dy);
    void PaintSectionMarkerLines(const QRect& area);

    QWidget* mLineNumberArea = nullptr;
};

}  // namespace htmlsim::gui
