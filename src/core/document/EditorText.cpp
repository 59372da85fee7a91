#include "document/EditorText.h"

#include <cstdint>

#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace htmlsim {

namespace {

constexpr char32_t kCarriageReturnSymbol = 0x240D;
constexpr std::string_view kCarriageReturnSymbolUtf8 = "\xE2\x90\x8D";

}  // namespace

EditorEncoding DetectEditorEncoding(std::string_view document, TextEncoding textEncoding) {
    EditorEncoding encoding;
    encoding.windows1252 = textEncoding == TextEncoding::Windows1252;
    encoding.markCarriageReturns =
        document.find(kCarriageReturnSymbolUtf8) == std::string_view::npos;
    // Mixed line breaks are edited as they stand, so that none of them changes.
    for (size_t at = document.find('\n'); at != std::string_view::npos;
         at = document.find('\n', at + 1)) {
        if (at == 0 || document[at - 1] != '\r') {
            encoding.crlfLineBreaks = false;
            break;
        }
    }
    return encoding;
}

std::string ToEditorText(std::string_view bytes, const EditorEncoding& encoding) {
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<uint8_t>(bytes[i]);
        if (encoding.crlfLineBreaks && byte == '\r' && i + 1 < bytes.size() &&
            bytes[i + 1] == '\n') {
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

std::string FromEditorText(std::string_view text, const EditorEncoding& encoding) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    char32_t c = 0;
    for (size_t i = 0; i < text.size();) {
        size_t length = DecodeUtf8(text, i, c);
        if (length == 0) {  // not UTF-8 after all: keep the byte as it is
            length = 1;
            bytes += text[i];
        } else if (c == '\n' && encoding.crlfLineBreaks) {
            bytes += "\r\n";
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

}  // namespace htmlsim
