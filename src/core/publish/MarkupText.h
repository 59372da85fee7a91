#pragma once

#include <string>

namespace htmlsim {

// Text made safe inside an XML or HTML element or quoted attribute.
std::string MarkupEscaped(const std::string& text);

// A relative file name as a URI reference: bytes a URI cannot hold as they are become %XX.
std::string UriEscaped(const std::string& name);

}  // namespace htmlsim
