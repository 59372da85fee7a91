#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QTextBlock;

namespace htmlsim::gui {

// Colours the HTML of the Document Editor: tags, attribute names, quoted values, comments,
// entities and the code of script and style elements, with the section markers standing out
// from ordinary comments. A small hand scanner does one pass over each line, so even a
// multi-megabyte document stays quick to colour.
class HtmlHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    explicit HtmlHighlighter(QTextDocument* document);

    // Whether the line holds a "<!-- Section: NAME -->" or "<!-- Section End -->" marker, as far
    // as the line has been coloured.
    static bool IsSectionMarker(const QTextBlock& block);
    static QColor SectionMarkerTint();

  protected:
    void highlightBlock(const QString& text) override;

  private:
    void Colour(qsizetype at, qsizetype length, const QTextCharFormat& format);
    qsizetype ScanText(const QString& text, qsizetype at, int& state);
    qsizetype ScanTag(const QString& text, qsizetype at, int& state);
    qsizetype ScanCode(const QString& text, qsizetype at, QStringView endTag, int& state);
    qsizetype ScanUntil(const QString& text, qsizetype at, const QString& end,
                        const QTextCharFormat& format, int& state, int stateAfter);

    QTextCharFormat mTag;
    QTextCharFormat mAttributeName;
    QTextCharFormat mAttributeValue;
    QTextCharFormat mComment;
    QTextCharFormat mEntity;
    QTextCharFormat mSectionMarker;
    QTextCharFormat mCode;
    bool mColouring = true;
};

}  // namespace htmlsim::gui
