#pragma once

#include "controls/CssColorTable.h"
#include "services/TextMeasurer.h"

namespace htmlsim {

// How a page control draws: its font and colours. A new control has the defaults below; its
// style then changes the font and the text colour.
struct ControlAppearance {
    TextFont Font;
    ColorNumber ForeColor = RgbColor(0, 0, 0);
    ColorNumber BackColor = RgbColor(255, 255, 255);
};

}  // namespace htmlsim
