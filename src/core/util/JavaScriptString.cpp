#include "util/JavaScriptString.h"

namespace htmlsim {

std::string JavaScriptStringContent(std::string_view text) {
    std::string content;
    content.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == '\'') {
            content.append(1, '\\').append(1, c);
        } else if (c == '\r') {
            content += "\\r";
        } else if (c == '\n') {
            content += "\\n";
        } else if (c == '/' && i > 0 && text[i - 1] == '<') {
            content += "\\/";
        } else {
            content += c;
        }
    }
    return content;
}

std::string JavaScriptStringText(std::string_view content) {
    std::string text;
    text.reserve(content.size());
    for (size_t i = 0; i < content.size(); ++i) {
        if (content[i] != '\\' || i + 1 == content.size()) {
            text += content[i];
            continue;
        }
        const char escaped = content[++i];
        text += escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped == 't' ? '\t' : escaped;
    }
    return text;
}

}  // namespace htmlsim
