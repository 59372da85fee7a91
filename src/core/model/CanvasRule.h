#pragma once

#include <optional>
#include <string>

#include "model/PageDesign.h"

namespace htmlsim {

// A page holds one canvas script (its two CanvasScript sections), which draws one canvas and
// lists that canvas's areas: a second canvas would take the script, and the first one's areas
// with it. Why image `imageIndex` (0 for a picture not yet on the page) cannot be a canvas on
// this page; none when it can.
std::optional<std::string> WhyNoCanvas(const std::string& documentText, const PageDesign& design,
                                       int imageIndex);

}  // namespace htmlsim
