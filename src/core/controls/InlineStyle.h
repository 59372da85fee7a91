#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/ControlAppearance.h"

namespace htmlsim {

class Dialogs;

// Anchors and labels accept a style written as STYLE='...' or in quotes and substitute their
// default for an empty one; inputs only strip a STYLE='...' wrapper.
enum class StyleForm { Quoted, Input };

// Anchors and labels start with their default in quotes (the quotes go at the first parse).
inline constexpr std::string_view kQuotedDefaultStyle = "'position:absolute; left:0px; top:0px'";
inline constexpr std::string_view kInputDefaultStyle = "position:absolute; left:0px; top:0px";

// A style split at ";": Keys[i] and Values[i] for each part, empty parts included, so a
// trailing ";" gives a last empty key. Values keep the blanks that follow the colon.
struct StyleDeclarations {
    std::vector<std::string> Keys;
    std::vector<std::string> Values;
};

// Normalises `style` in place (default, STYLE= prefix, quotes) and splits it.
StyleDeclarations ParseStyle(std::string& style, StyleForm form);

// A font-size value in points. Throws RuntimeError for a text that is not a number and for a
// size no font can be drawn at.
double FontSizeValue(std::string_view value);
// The pixels a browser gives a font-size value: px, pt, em and % are understood, and a bare
// number is pixels (the pages have no DOCTYPE, so browsers read them in quirks mode). Throws as
// FontSizeValue does.
double CssFontPixels(std::string_view value);
// Whether a browser draws a font-weight value bold ("bold", "bolder", 600 and above).
bool CssBold(std::string_view value);

struct StylePosition {
    int16_t Left = 0;
    int16_t Top = 0;
};

// Applies left, top, font-family, color, font-size, font-weight and font-style in order (the
// last of a repeated key wins) and returns the position read (0 for a missing key). A value
// that does not convert is reported once through `dialogs`; the other declarations still apply.
StylePosition ApplyStyleDeclarations(const StyleDeclarations& declarations,
                                     ControlAppearance& appearance, Dialogs& dialogs);

// The declarations joined with "; ", the left and top values replaced by the given position
// in pixels; every other declaration is kept as written.
std::string RewriteStylePosition(const StyleDeclarations& declarations, StylePosition position);

}  // namespace htmlsim
