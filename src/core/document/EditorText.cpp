#include "document/EditorText.h"

#include <array>
#include <cstdint>

namespace htmlsim {

namespace {

// Windows-1252 bytes 0x80-0x9F; the five unassigned ones keep their C1 code point so that they
// survive a round trip.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kCarriageReturnSymbol = 0x240D;
constexpr std::string_view kCarriageReturnSymbolUtf8 = "\xE2\x90\x8D";

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at i; returns its length, 0 when the bytes there are not UTF-8.
size_t DecodeUtf8(std::string_view bytes, size_t i, char32_t& c) {
    const auto byte = [&](size_t k) { return static_cast<uint8_t>(bytes[k]); };
    const uint8_t lead = byte(i);
    size_t length = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    const bool invalid = c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF);
    return overlong || invalid ? 0 : length;
}

int Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == c) {
            return static_cast<int>(0x80 + k);
        }
    }
    return '?';
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    char32_t c = 0;
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = DecodeUtf8(bytes, i, c);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

EditorEncoding DetectEditorEncoding(std::string_view document) {
    EditorEncoding encoding;
    encoding.windows1252 = !IsValidUtf8(document);
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
            AppendUtf8(text, byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t(byte));
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
            bytes += static_cast<char>(Windows1252Byte(c));
        } else {
            bytes.append(text.substr(i, length));
        }
        i += length;
    }
    return bytes;
}

}  // namespace htmlsim
