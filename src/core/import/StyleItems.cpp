#include "import/StyleItems.h"

#include <charconv>

#include "components/FileHelper.h"
#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

void ForEachStyleItem(
    std::string_view style,
    const std::function<void(const std::string& name, const std::string& value)>& item) {
    for (const std::string_view part : SplitText(style, ";")) {
        std::string name;
        std::string value;
        FileHelper::SplitAt(std::string(TrimBlanks(part)), ":", name, value);
        item(ToUpperAscii(name), value);
    }
}

double StyleLength(std::string_view value) {
    if (value.ends_with("px")) {
        value.remove_suffix(2);
    }
    value = TrimBlanks(value);
    if (value.starts_with('+')) {
        value.remove_prefix(1);
    }
    double number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size()) {
        throw RuntimeError("Type mismatch");
    }
    return number;
}

}  // namespace htmlsim
