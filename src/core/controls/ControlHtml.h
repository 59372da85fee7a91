#pragma once

#include <string>
#include <string_view>

#include "model/ElementOrigin.h"

namespace htmlsim {

// "<name", each value that is set as an attribute, ">", the content and "</name>": the form the
// page controls are written in. A value is quoted so that it cannot break the markup.
std::string ControlHtml(std::string_view name, const WrittenValues& values);

// Adds the attribute `name` with `value` when the value is set.
void AddValueIfSet(WrittenValues& values, std::string_view name, std::string value);

}  // namespace htmlsim
