#pragma once

#include <QColor>
#include <QFont>

#include "controls/CssColorTable.h"
#include "services/TextMeasurer.h"

namespace htmlsim {

// The Qt font of a page control's font. Times New Roman and Courier New resolve through
// fontconfig to their metric-compatible Liberation faces.
QFont ToQFont(const TextFont& font);

// A colour number (red in the low byte) as a Qt colour.
QColor ToQColor(ColorNumber color);

}  // namespace htmlsim
