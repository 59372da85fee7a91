#include "text/Utf8.h"

#include <cstdint>
#include <cstring>

namespace htmlsim {

size_t DecodeUtf8(std::string_view bytes, size_t at, char32_t& character) {
    const auto byte = [&](size_t k) { return static_cast<uint8_t>(bytes[k]); };
    const uint8_t lead = byte(at);
    size_t length = 0;
    if (lead < 0x80) {
        character = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        character = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        character = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        character = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80) {
            return 0;
        }
        character = (character << 6) | (byte(at + k) & 0x3F);
    }
    const bool overlong =
        (length == 3 && character < 0x800) || (length == 4 && character < 0x10000);
    const bool invalid = character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF);
    return overlong || invalid ? 0 : length;
}

bool IsValidUtf8(std::string_view bytes) {
    // Pages are mostly ASCII: eight such bytes at a time are passed over whole.
    constexpr uint64_t kHighBits = 0x8080808080808080ULL;
    char32_t c = 0;
    for (size_t i = 0; i < bytes.size();) {
        uint64_t eight = 0;
        if (i + sizeof eight <= bytes.size()) {
            std::memcpy(&eight, bytes.data() + i, sizeof eight);
            if ((eight & kHighBits) == 0) {
                i += sizeof eight;
                continue;
            }
        }
        const size_t length = DecodeUtf8(bytes, i, c);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

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

}  // namespace htmlsim
