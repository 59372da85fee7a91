#include "import/TagScanner.h"

#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr auto npos = std::string_view::npos;

}  // namespace

TagPieces NextTag(const ScanText& source) {
    TagPieces pieces;
    const size_t open = source.Mask.find('<');
    const size_t close = open == npos ? npos : source.Mask.find('>', open);
    if (close == npos) {
        pieces.before = TrimBlankLines(source);
        return pieces;
    }
    pieces.before = TrimBlankLines(source.Slice(0, open));

    ScanText tag = source.Slice(open + 1, close - open - 1);
    const bool selfClosing = !tag.Mask.empty() && tag.Mask.back() == '/';
    if (selfClosing) {
        tag = tag.Slice(0, tag.Mask.size() - 1);
    }
    // Only the space ends the name: a tab or line break after it stays part of the name.
    const size_t blank = tag.Mask.find(' ');
    if (blank == npos) {
        pieces.tagName = ToUpperAscii(tag.Text);
    } else {
        pieces.tagName = ToUpperAscii(tag.Text.substr(0, blank));
        pieces.attributes = tag.Slice(blank + 1);
    }

    size_t next = close + 1;
    if (!selfClosing) {
        const std::string closingTag = "</" + pieces.tagName + ">";
        const size_t closing = source.Mask.find(closingTag, next);
        if (closing != npos) {
            pieces.inner = source.Slice(next, closing - next);
            next = closing + closingTag.size();
            if (source.Text.substr(next, 2) == "\r\n") {
                next += 2;
            }
        }
    }
    pieces.remainder = TrimBlankLines(source.Slice(next));
    return pieces;
}

}  // namespace htmlsim
