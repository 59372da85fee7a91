#pragma once

#include <string>
#include <string_view>

namespace htmlsim {

// The inside of a single-quoted JavaScript string standing in a script element that gives back
// `text`: backslash, quote and line breaks escaped, and "</" written "<\/" so that the string
// never ends the script.
std::string JavaScriptStringContent(std::string_view text);

// The text a single- or double-quoted JavaScript string's inside stands for.
std::string JavaScriptStringText(std::string_view content);

}  // namespace htmlsim
