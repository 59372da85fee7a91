#pragma once

#include <string>
#include <string_view>

namespace htmlsim {

// Case rules of the markup and style texts: only ASCII letters change case, so lengths and
// byte positions stay as they were.
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// The text without its leading and trailing spaces.
std::string_view TrimSpaces(std::string_view text);

}  // namespace htmlsim
