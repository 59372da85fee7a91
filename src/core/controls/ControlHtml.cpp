#include "controls/ControlHtml.h"

#include "model/ElementPatch.h"

namespace htmlsim {

std::string ControlHtml(std::string_view name, const WrittenValues& values) {
    std::string html = "<" + std::string(name);
    std::string content;
    for (const WrittenValue& value : values) {
        if (value.Name == kElementContent) {
            content = value.Value;
        } else if (!value.Value.empty()) {
            html += WrittenAttribute(value.Name, value.Value);
        }
    }
    return html + ">" + content + "</" + std::string(name) + ">";
}

void AddValueIfSet(WrittenValues& values, std::string_view name, std::string value) {
    if (!value.empty()) {
        values.push_back({0, std::string(name), std::move(value)});
    }
}

}  // namespace htmlsim
