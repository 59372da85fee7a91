#pragma once

#include <optional>
#include <string_view>

#include "controls/CssColorTable.h"

namespace htmlsim {

// The colour a "color" declaration names: a non-zero leading number (decimal, or hexadecimal
// after "&H") is taken as a colour number, rounded; otherwise the text, compared without regard
// to case but not trimmed, must be one of the CSS colour names. Anything else (a "#" value, a
// name with a blank before it, "0") names no colour: nullopt, and the caller keeps its colour.
std::optional<ColorNumber> ColorFromName(std::string_view value);

}  // namespace htmlsim
