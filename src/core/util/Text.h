#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace htmlsim {

// Markers, tags and names are ASCII: case changes touch ASCII letters only, so a text keeps its
// length and every other byte as it is.
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);
// Negative, zero or positive as a sorts before, with or after b, ignoring the case of letters.
int CompareIgnoreCase(std::string_view a, std::string_view b);

// The text without leading and trailing spaces (tabs and line breaks stay).
std::string_view TrimBlanks(std::string_view text);

// The pieces between the separators; n separators give n + 1 pieces.
std::vector<std::string_view> SplitText(std::string_view text, std::string_view separator);

}  // namespace htmlsim
