#pragma once

#include <string_view>

namespace htmlsim {

// Comparisons that ignore the case of ASCII letters, as markup and style keys are matched.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

}  // namespace htmlsim
