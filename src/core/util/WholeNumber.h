#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace htmlsim {

// The value of a text that is a whole number in the 16-bit range as a whole ("12", " -3 ",
// "+7"); nothing for any other text ("", "1.5", "12px", "40000").
std::optional<int16_t> WholeNumber16(std::string_view text);

}  // namespace htmlsim
