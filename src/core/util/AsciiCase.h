#pragma once

#include <string>
#include <string_view>

#include "util/Text.h"

namespace htmlsim {

// Case folding of ASCII letters only (ToLowerAscii in util/Text.h), so that texts keep their
// length and other bytes (UTF-8 included) stay as they are.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
// Negative, zero or positive as a sorts before, with or after b, ignoring the case of letters.
int CompareIgnoreCase(std::string_view a, std::string_view b);

// The text without leading and trailing blanks (spaces and tabs).
std::string_view TrimBlanksAndTabs(std::string_view text);

}  // namespace htmlsim
