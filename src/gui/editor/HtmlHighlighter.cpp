#include "editor/HtmlHighlighter.h"

#include <QTextBlock>

#include "QtText.h"
#include "document/SectionDocument.h"

namespace htmlsim::gui {

namespace {

// Where the previous line left off; a comment, a tag, a quoted value or a script or style
// element's code may go on over lines.
enum State {
    kText = 0,
    kComment = 1,
    kTag = 2,
    kDoubleQuoted = 3,
    kSingleQuoted = 4,
    kScriptCode = 5,
    kStyleCode = 6
};
constexpr int kStateMask = 7;
constexpr int kSectionMarkerLine = 8;
// The tag being read opens a script or a style element: its content is code, not HTML.
constexpr int kOpensScript = 16;
constexpr int kOpensStyle = 32;
constexpr int kOpensCode = kOpensScript | kOpensStyle;
// Qt lays out a line with thousands of format ranges very slowly, so a line longer than this
// is only scanned, for the state it leaves, and stays uncoloured.
constexpr qsizetype kLongestColouredLine = 10000;

bool IsAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsAsciiLetterOrDigit(QChar c) {
    return IsAsciiLetter(c) || (c >= u'0' && c <= u'9');
}

bool IsTagNameChar(QChar c) {
    return IsAsciiLetterOrDigit(c) || c == u'-' || c == u':' || c == u'_' || c == u'.';
}

bool EndsAttributeName(QChar c) {
    return c.isSpace() || c == u'=' || c == u'>' || c == u'/' || c == u'"' || c == u'\'';
}

bool FollowsEqualsSign(const QString& text, qsizetype at) {
    while (at > 0 && text[at - 1].isSpace()) {
        --at;
    }
    return at > 0 && text[at - 1] == u'=';
}

// What a start tag of this name opens: code for a script or a style element.
int OpensCode(QStringView name) {
    if (name.compare(u"script", Qt::CaseInsensitive) == 0) {
        return kOpensScript;
    }
    return name.compare(u"style", Qt::CaseInsensitive) == 0 ? kOpensStyle : 0;
}

QTextCharFormat Foreground(const QColor& color) {
    QTextCharFormat format;
    format.setForeground(color);
    return format;
}

}  // namespace

HtmlHighlighter::HtmlHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document),
      mTag(Foreground(QColor(0x1a, 0x4d, 0x99))),
      mAttributeName(Foreground(QColor(0x9a, 0x4d, 0x00))),
      mAttributeValue(Foreground(QColor(0x1f, 0x7a, 0x1f))),
      mComment(Foreground(QColor(0x80, 0x80, 0x80))),
      mEntity(Foreground(QColor(0xa0, 0x20, 0x8f))),
      mSectionMarker(Foreground(QColor(0x5c, 0x3d, 0x00))),
      mCode(Foreground(QColor(0x00, 0x5f, 0x73))) {
    mComment.setFontItalic(true);
    mSectionMarker.setFontWeight(QFont::Bold);
    mSectionMarker.setBackground(SectionMarkerTint());
}

bool HtmlHighlighter::IsSectionMarker(const QTextBlock& block) {
    const int state = block.userState();
    return state >= 0 && (state & kSectionMarkerLine) != 0;
}

QColor HtmlHighlighter::SectionMarkerTint() {
    return QColor(0xff, 0xe7, 0xa3);
}

void HtmlHighlighter::highlightBlock(const QString& text) {
    static const QString sectionStart = ToQString(kSectionStartPrefix);
    static const QString sectionEnd = ToQString(kSectionEndMarker);
    static const QString commentEnd = QStringLiteral("-->");
    static const QString doubleQuote = QStringLiteral("\"");
    static const QString singleQuote = QStringLiteral("'");

    mColouring = text.size() <= kLongestColouredLine;
    int state = previousBlockState() < 0 ? kText : previousBlockState() & ~kSectionMarkerLine;
    qsizetype at = 0;
    while (at < text.size()) {
        switch (state & kStateMask) {
            case kComment:
                at = ScanUntil(text, at, commentEnd, mComment, state, kText);
                break;
            case kDoubleQuoted:
                at = ScanUntil(text, at, doubleQuote, mAttributeValue, state,
                               kTag | (state & kOpensCode));
                break;
            case kSingleQuoted:
                at = ScanUntil(text, at, singleQuote, mAttributeValue, state,
                               kTag | (state & kOpensCode));
                break;
            case kScriptCode:
                at = ScanCode(text, at, u"</script", state);
                break;
            case kStyleCode:
                at = ScanCode(text, at, u"</style", state);
                break;
            case kTag:
                at = ScanTag(text, at, state);
                break;
            default:
                at = ScanText(text, at, state);
        }
    }
    // The marker format goes over the whole line, whatever the scan found on it.
    const bool marker = text.contains(sectionStart) || text.contains(sectionEnd);
    if (marker) {
        Colour(0, text.size(), mSectionMarker);
    }
    setCurrentBlockState(state | (marker ? kSectionMarkerLine : 0));
}

void HtmlHighlighter::Colour(qsizetype at, qsizetype length, const QTextCharFormat& format) {
    if (mColouring) {
        setFormat(static_cast<int>(at), static_cast<int>(length), format);
    }
}

qsizetype HtmlHighlighter::ScanText(const QString& text, qsizetype at, int& state) {
    const qsizetype size = text.size();
    if (text[at] == u'&') {
        qsizetype end = at + 1;
        if (end < size && text[end] == u'#') {
            ++end;
        }
        const qsizetype nameStart = end;
        while (end < size && IsAsciiLetterOrDigit(text[end])) {
            ++end;
        }
        if (end == nameStart || end == size || text[end] != u';') {
            return at + 1;
        }
        Colour(at, end + 1 - at, mEntity);
        return end + 1;
    }
    if (text[at] == u'<') {
        if (QStringView(text).sliced(at).startsWith(u"<!--")) {
            Colour(at, 4, mComment);
            state = kComment;
            return at + 4;
        }
        qsizetype end = at + 1;
        if (end < size && (text[end] == u'/' || text[end] == u'!' || text[end] == u'?')) {
            ++end;
        }
        if (end == size || !IsAsciiLetter(text[end])) {
            return at + 1;
        }
        const qsizetype nameStart = end;
        while (end < size && IsTagNameChar(text[end])) {
            ++end;
        }
        Colour(at, end - at, mTag);
        const bool endTag = text[at + 1] == u'/';
        state =
            kTag | (endTag ? 0 : OpensCode(QStringView(text).sliced(nameStart, end - nameStart)));
        return end;
    }
    while (at < size && text[at] != u'<' && text[at] != u'&') {
        ++at;
    }
    return at;
}

qsizetype HtmlHighlighter::ScanTag(const QString& text, qsizetype at, int& state) {
    const qsizetype size = text.size();
    const QChar c = text[at];
    if (c == u'>' || (c == u'/' && at + 1 < size && text[at + 1] == u'>')) {
        const int length = c == u'>' ? 1 : 2;
        Colour(at, length, mTag);
        const int opens = c == u'>' ? state & kOpensCode : 0;
        state = opens == kOpensScript ? kScriptCode : opens == kOpensStyle ? kStyleCode : kText;
        return at + length;
    }
    if (c == u'"' || c == u'\'') {
        Colour(at, 1, mAttributeValue);
        state = (c == u'"' ? kDoubleQuoted : kSingleQuoted) | (state & kOpensCode);
        return at + 1;
    }
    if (c.isSpace() || c == u'=' || c == u'/') {
        return at + 1;
    }
    qsizetype end = at;
    if (FollowsEqualsSign(text, at)) {
        // An unquoted value runs to the next blank or the end of the tag.
        while (end < size && !text[end].isSpace() && text[end] != u'>') {
            ++end;
        }
        Colour(at, end - at, mAttributeValue);
        return end;
    }
    while (end < size && !EndsAttributeName(text[end])) {
        ++end;
    }
    Colour(at, end - at, mAttributeName);
    return end;
}

qsizetype HtmlHighlighter::ScanUntil(const QString& text, qsizetype at, const QString& end,
                                     const QTextCharFormat& format, int& state, int stateAfter) {
    const qsizetype found = text.indexOf(end, at);
    const qsizetype stop = found < 0 ? text.size() : found + end.size();
    Colour(at, stop - at, format);
    if (found >= 0) {
        state = stateAfter;
    }
    return stop;
}

// Code runs to its element's end tag, which is read as a tag again.
qsizetype HtmlHighlighter::ScanCode(const QString& text, qsizetype at, QStringView endTag,
                                    int& state) {
    const qsizetype found = text.indexOf(endTag, at, Qt::CaseInsensitive);
    const qsizetype stop = found < 0 ? text.size() : found;
    Colour(at, stop - at, mCode);
    if (found >= 0) {
        state = kText;
    }
    return stop;
}

}  // namespace htmlsim::gui
