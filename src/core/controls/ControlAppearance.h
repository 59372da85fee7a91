#pragma once

#include <optional>

#include "controls/CssColorTable.h"
#include "services/TextMeasurer.h"

namespace htmlsim {

// A browser's "medium" font size, for text whose style sets none.
inline constexpr double kBrowserFontPixels = 16;

// How a page control draws: its font and colours. A new control has the defaults below; its
// style then changes the font and the text colour.
struct ControlAppearance {
    TextFont Font;
    // What a browser reads from the style's font-size and font-weight (none: the style sets
    // none). The surface draws the text so; the Font stays for what is written.
    std::optional<double> FontPixels;
    std::optional<bool> BrowserBold;
    ColorNumber ForeColor = RgbColor(0, 0, 0);
    ColorNumber BackColor = RgbColor(255, 255, 255);
};

// What the page's style sheets give every control of a kind (a rule for "label" or "a").
struct SheetFont {
    std::optional<double> Pixels;
    std::optional<bool> Bold;
};

// The control's font as a browser draws it: its own style first, then the sheets', then the
// browser's defaults.
inline TextFont BrowserFont(const ControlAppearance& appearance, const SheetFont& sheet) {
    TextFont font = appearance.Font;
    font.Pixels = appearance.FontPixels.value_or(sheet.Pixels.value_or(kBrowserFontPixels));
    font.Bold = appearance.BrowserBold.value_or(sheet.Bold.value_or(false));
    return font;
}

}  // namespace htmlsim
