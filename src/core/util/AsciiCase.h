#pragma once

#include <string>
#include <string_view>

namespace htmlsim {

// Case folding of ASCII letters only, so that texts keep their length and other bytes (UTF-8
// included) stay as they are.
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
// Negative, zero or positive as a sorts before, with or after b, ignoring the case of letters.
int CompareIgnoreCase(std::string_view a, std::string_view b);

// The text without leading and trailing blanks (spaces and tabs).
std::string_view TrimBlanks(std::string_view text);

}  // namespace htmlsim
