#pragma once

#include <string>
#include <string_view>

namespace htmlsim {

// Appends " name='value'" when the value is not empty. Nothing is escaped: the controls write
// their fields into the page as the user typed them.
inline void AppendAttributeIfSet(std::string& html, std::string_view name, std::string_view value) {
    if (!value.empty()) {
        html.append(" ").append(name).append("='").append(value).append("'");
    }
}

}  // namespace htmlsim
