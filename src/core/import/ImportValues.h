#pragma once

#include <string>
#include <string_view>

namespace htmlsim {

class Dialogs;

// The value without one enclosing pair of back quotes, then of double quotes, then of single
// quotes, each removed only when the value both begins and ends with it.
std::string_view Unquote(std::string_view value);

// The text between the first "(" and the last ")", or "" when either is missing.
std::string_view ParenthesisContent(std::string_view text);

// TRUE, YES, -1, CHECKED are true; FALSE, NO, 0, "", UNCHECKED false; anything else is false
// after a message titled with the text. The caller's text is left in upper case.
bool InterpretBoolean(std::string& text, Dialogs& dialogs);

}  // namespace htmlsim
