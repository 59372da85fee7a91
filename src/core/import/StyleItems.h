#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace htmlsim {

// Calls `item` for each "name:value" item of an inline style, in order: the name upper-cased
// and trimmed of blanks with its item, the value as it stands after the first colon.
void ForEachStyleItem(
    std::string_view style,
    const std::function<void(const std::string& name, const std::string& value)>& item);

// A style length: a final "px" is dropped and the rest must be a number, blanks around it
// allowed ("12.5px" -> 12.5); anything else ("auto", "") is a RuntimeError "Type mismatch".
double StyleLength(std::string_view value);

}  // namespace htmlsim
