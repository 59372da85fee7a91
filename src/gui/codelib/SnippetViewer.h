#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QVector>
#include <QWidget>

namespace htmlsim::gui {

// The code library's read-only viewer: lines of coloured text printed one after another in a
// fixed-pitch font, like a picture box that is printed into. Its size is set by its owner, which
// scrolls it inside a container.
class SnippetViewer : public QWidget {
    Q_OBJECT
  public:
    explicit SnippetViewer(QWidget* parent = nullptr);

    void Clear();
    // Prints the text in the colour at the end of the current line; a line break in the text
    // (CR LF, CR or LF) starts a new line, and so does endLine after it.
    void Print(const QString& text, const QColor& color, bool endLine);

    // The printed lines as plain text, for whoever needs to read them back.
    QStringList Lines() const;
    QColor ColorAt(int line, int segment) const;
    int LineHeight() const;
    int CharacterWidth() const;
    int TextWidth(const QString& line) const;
    // The height of everything printed so far.
    int PrintedHeight() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Segment {
        QString text;
        QColor color;
    };
    QVector<QVector<Segment>> mLines;
};

}  // namespace htmlsim::gui
