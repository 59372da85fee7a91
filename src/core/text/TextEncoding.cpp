#include "text/TextEncoding.h"

#include <cstdint>

#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace htmlsim {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Calls unheld(character, its UTF-8) for each character the encoding cannot hold and appends
// the others; bytes of the text that are not UTF-8 are kept as they are.
template <typename Unheld>
void Encode(std::string_view text, TextEncoding encoding, std::string& bytes, Unheld unheld) {
    char32_t c = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t length = DecodeUtf8(text, i, c);
        if (length == 0) {
            bytes += text[i++];
            continue;
        }
        if (!AppendEncoded(bytes, c, encoding) && !unheld(c, text.substr(i, length))) {
            return;
        }
        i += length;
    }
}

}  // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
    return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

const char* EncodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? "UTF-8" : "Windows-1252";
}

std::string DecodeText(std::string_view bytes, TextEncoding encoding) {
    std::string text;
    text.reserve(bytes.size());
    char32_t c = 0;
    for (size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<uint8_t>(bytes[i]);
        if (byte < 0x80) {
            text += static_cast<char>(byte);
            ++i;
        } else if (encoding == TextEncoding::Windows1252) {
            AppendUtf8(text, FromWindows1252(byte));
            ++i;
        } else if (const size_t length = DecodeUtf8(bytes, i, c); length != 0) {
            text.append(bytes.substr(i, length));
            i += length;
        } else {
            AppendUtf8(text, kReplacementCharacter);
            ++i;
        }
    }
    return text;
}

bool AppendEncoded(std::string& bytes, char32_t character, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) {
        AppendUtf8(bytes, character);
        return true;
    }
    if (const auto byte = ToWindows1252(character)) {
        bytes += static_cast<char>(*byte);
        return true;
    }
    return false;
}

std::optional<std::string> EncodeText(std::string_view text, TextEncoding encoding) {
    if (FirstUnheldCharacter(text, encoding)) {
        return std::nullopt;
    }
    return EncodeHtmlText(text, encoding);
}

std::string EncodeHtmlText(std::string_view text, TextEncoding encoding) {
    std::string bytes;
    Encode(text, encoding, bytes, [&bytes](char32_t c, std::string_view) {
        bytes += "&#" + std::to_string(static_cast<uint32_t>(c)) + ";";
        return true;
    });
    return bytes;
}

std::optional<std::string> FirstUnheldCharacter(std::string_view text, TextEncoding encoding) {
    std::string bytes;
    std::optional<std::string> first;
    Encode(text, encoding, bytes, [&first](char32_t, std::string_view utf8) {
        first = std::string(utf8);
        return false;
    });
    return first;
}

}  // namespace htmlsim
