#include "import/ImportValues.h"

#include <array>

#include "services/Dialogs.h"
#include "util/Text.h"

namespace htmlsim {

std::string_view Unquote(std::string_view value) {
    for (const char quote : {'`', '"', '\''}) {
        if (value.size() >= 2 && value.front() == quote && value.back() == quote) {
            value = value.substr(1, value.size() - 2);
        }
    }
    return value;
}

std::string_view ParenthesisContent(std::string_view text) {
    const size_t open = text.find('(');
    const size_t close = text.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        return {};
    }
    return text.substr(open + 1, close - open - 1);
}

bool InterpretBoolean(std::string& text, Dialogs& dialogs) {
    text = ToUpperAscii(text);
    static constexpr std::array<std::string_view, 4> kTrue{"TRUE", "YES", "-1", "CHECKED"};
    static constexpr std::array<std::string_view, 5> kFalse{"FALSE", "NO", "0", "", "UNCHECKED"};
    for (const auto word : kTrue) {
        if (text == word) {
            return true;
        }
    }
    for (const auto word : kFalse) {
        if (text == word) {
            return false;
        }
    }
    dialogs.Message("Input cannot be recognized for true or false evaluation.", text,
                    MessageIcon::Critical);
    return false;
}

}  // namespace htmlsim
