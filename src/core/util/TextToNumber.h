#pragma once

#include <string_view>

namespace htmlsim {

// A text that must be a number as a whole (blanks around it allowed), as when a style value is
// converted: "12", " -3.5 ", "1e2". Anything else throws RuntimeError("Type mismatch").
double TextToNumber(std::string_view text);

}  // namespace htmlsim
