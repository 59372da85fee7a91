#pragma once

#include <string>

namespace htmlsim {

// An editor hands back its text with LF line breaks. A snippet keeps the line breaks it had:
// CR LF, unless its stored text broke lines with LF alone.
std::string WithStoredLineBreaks(const std::string& edited, const std::string& stored);

}  // namespace htmlsim
