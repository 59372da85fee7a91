#pragma once

#include <cstdint>
#include <string_view>

namespace htmlsim {

// Rounds to the nearest integer, halves to even (12.5 -> 12, 13.5 -> 14), into a 16-bit field.
// Throws OverflowError when the result does not fit.
int16_t RoundToInt16(double value);

// The leading number of a text: blanks are skipped, reading stops at the first character that
// cannot continue the number, and a text without a number gives 0 ("12px" -> 12, "x" -> 0).
double LeadingNumber(std::string_view text);

}  // namespace htmlsim
