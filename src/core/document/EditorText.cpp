#include "document/EditorText.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "document/SectionDocument.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace htmlsim {

namespace {

constexpr char32_t kCarriageReturnSymbol = 0x240D;
constexpr std::string_view kCarriageReturnSymbolUtf8 = "\xE2\x90\x8D";

// A line of document bytes and the break that ends it ("" for the last line).
struct Line {
    std::string content;
    std::string_view ending;
};

std::vector<Line> SplitLines(std::string_view bytes) {
    std::vector<Line> lines;
    size_t start = 0;
    for (size_t at = bytes.find('\n'); at != std::string_view::npos; at = bytes.find('\n', start)) {
        const bool crlf = at > start && bytes[at - 1] == '\r';
        lines.push_back(
            {std::string(bytes.substr(start, at - start - (crlf ? 1 : 0))), crlf ? "\r\n" : "\n"});
        start = at + 1;
    }
    lines.push_back({std::string(bytes.substr(start)), ""});
    return lines;
}

// One edited line (no "\n" in it) -> document bytes.
std::string EncodeLine(std::string_view text, const EditorEncoding& encoding) {
    std::string bytes;
    bytes.reserve(text.size());
    char32_t c = 0;
    for (size_t i = 0; i < text.size();) {
        size_t length = DecodeUtf8(text, i, c);
        if (length == 0) {  // not UTF-8 after all: keep the byte as it is
            length = 1;
            bytes += text[i];
        } else if (c == kCarriageReturnSymbol && encoding.markCarriageReturns) {
            bytes += '\r';
        } else if (encoding.windows1252) {
            if (!AppendEncoded(bytes, c, TextEncoding::Windows1252)) {
                bytes += '?';
            }
        } else {
            bytes.append(text.substr(i, length));
        }
        i += length;
    }
    return bytes;
}

// The line breaks of the edited lines: those of the shown lines they match (the unchanged
// lines at both ends, then in order in between), the document's for the rest.
std::vector<std::string_view> LineEndings(const std::vector<Line>& edited,
                                          const std::vector<Line>& shown,
                                          std::string_view lineBreak) {
    // The last line of each has no break; only the others are matched.
    const size_t n = edited.size() - 1;
    const size_t m = shown.size() - 1;
    std::vector<std::string_view> endings(n, lineBreak);
    size_t head = 0;
    for (; head < n && head < m && edited[head].content == shown[head].content; ++head) {
        endings[head] = shown[head].ending;
    }
    size_t tail = 0;
    for (; tail < n - head && tail < m - head &&
           edited[n - 1 - tail].content == shown[m - 1 - tail].content;
         ++tail) {
        endings[n - 1 - tail] = shown[m - 1 - tail].ending;
    }
    std::unordered_multimap<std::string_view, size_t> places;
    for (size_t j = head; j < m - tail; ++j) {
        places.emplace(shown[j].content, j);
    }
    size_t next = head;
    for (size_t i = head; i < n - tail; ++i) {
        size_t found = m;
        const auto [first, last] = places.equal_range(edited[i].content);
        for (auto place = first; place != last; ++place) {
            if (place->second >= next && place->second < found) {
                found = place->second;
            }
        }
        if (found < m) {
            endings[i] = shown[found].ending;
            next = found + 1;
        }
    }
    return endings;
}

}  // namespace

EditorEncoding DetectEditorEncoding(std::string_view document, TextEncoding textEncoding) {
    EditorEncoding encoding;
    encoding.windows1252 = textEncoding == TextEncoding::Windows1252;
    encoding.markCarriageReturns =
        document.find(kCarriageReturnSymbolUtf8) == std::string_view::npos;
    encoding.lineBreak = DocumentLineBreak(document);
    return encoding;
}

std::string ToEditorText(std::string_view bytes, const EditorEncoding& encoding) {
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<uint8_t>(bytes[i]);
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        if (byte == '\r' && encoding.markCarriageReturns) {
            AppendUtf8(text, kCarriageReturnSymbol);
        } else if (encoding.windows1252 && byte >= 0x80) {
            AppendUtf8(text, FromWindows1252(byte));
        } else {
            text += static_cast<char>(byte);
        }
    }
    return text;
}

std::string FromEditorText(std::string_view text, const EditorEncoding& encoding,
                           std::string_view shown) {
    std::vector<Line> edited;
    size_t start = 0;
    for (size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', start)) {
        edited.push_back({EncodeLine(text.substr(start, at - start), encoding), {}});
        start = at + 1;
    }
    edited.push_back({EncodeLine(text.substr(start), encoding), {}});
    const std::vector<std::string_view> endings =
        LineEndings(edited, SplitLines(shown), encoding.lineBreak);

    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < edited.size(); ++i) {
        bytes += edited[i].content;
        if (i < endings.size()) {
            bytes += endings[i];
        }
    }
    return bytes;
}

}  // namespace htmlsim
