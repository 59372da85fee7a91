#include "publish/MarkupText.h"

#include <cctype>
#include <string_view>

namespace htmlsim {

std::string MarkupEscaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string UriEscaped(const std::string& name) {
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    static constexpr std::string_view kKept = "-._~/!$'()*+,;=:@";
    std::string uri;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || kKept.find(c) != std::string_view::npos) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 15];
        }
    }
    return uri;
}

}  // namespace htmlsim
