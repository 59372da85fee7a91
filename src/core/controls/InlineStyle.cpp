#include "controls/InlineStyle.h"

#include <optional>

#include "controls/ColorFromName.h"
#include "services/Dialogs.h"
#include "util/Numbers.h"
#include "util/RuntimeError.h"
#include "util/Text.h"
#include "util/TextToNumber.h"

namespace htmlsim {

namespace {

void StripWrapper(std::string& style, StyleForm form) {
    if (form == StyleForm::Quoted) {
        if (style.empty()) {
            style = kQuotedDefaultStyle;
        }
        if (StartsWithIgnoreCase(style, "STYLE=")) {
            style.erase(0, 6);
        }
        if (style.size() >= 2 && style.front() == '\'' && style.back() == '\'') {
            style = style.substr(1, style.size() - 2);
        }
    } else if (style.size() >= 8 && StartsWithIgnoreCase(style, "STYLE='")) {
        style = style.substr(7, style.size() - 8);
    }
}

// A position value: pixels when it ends in "px" (exactly), a plain number otherwise.
int16_t PixelValue(std::string_view value) {
    if (value.size() >= 2 && value.substr(value.size() - 2) == "px") {
        value.remove_suffix(2);
    }
    return RoundToInt16(TextToNumber(value));
}

}  // namespace

double FontSizeValue(std::string_view value) {
    const double size = TextToNumber(value);
    // Beyond what a font can be drawn at, as the platform refuses it.
    if (!(size > 0 && size <= 2048)) {
        throw RuntimeError("Invalid property value");
    }
    return size;
}

namespace {

// The unit after a number, in lower case: "24PX" -> "px", "14" -> "".
std::string UnitOf(std::string_view value) {
    const size_t end = value.find_first_not_of(" \t+-.0123456789");
    return end == std::string_view::npos ? std::string()
                                         : ToLowerAscii(TrimBlanks(value.substr(end)));
}

// A browser takes "24px" too, which the point size refuses; a size it would not take leaves
// the one it had.
void TakeBrowserFontSize(ControlAppearance& appearance, std::string_view value) {
    try {
        appearance.FontPixels = CssFontPixels(value);
    } catch (const RuntimeError&) {
    }
}

}  // namespace

double CssFontPixels(std::string_view value) {
    // Unlike FontSizeValue, "24px" is a size: only the number counts.
    const double size = LeadingNumber(value);
    if (!(size > 0 && size <= 2048)) {
        throw RuntimeError("Invalid property value");
    }
    const std::string unit = UnitOf(value);
    // A page without a DOCTYPE is read in quirks mode, where a bare number counts as pixels.
    if (unit == "pt") {
        return size * 96 / 72;
    }
    if (unit == "em") {
        return size * kBrowserFontPixels;
    }
    if (unit == "%") {
        return size * kBrowserFontPixels / 100;
    }
    return size;
}

bool CssBold(std::string_view value) {
    const std::string weight = ToLowerAscii(TrimBlanks(value));
    return weight == "bold" || weight == "bolder" || LeadingNumber(weight) >= 600;
}

StyleDeclarations ParseStyle(std::string& style, StyleForm form) {
    StripWrapper(style, form);
    StyleDeclarations declarations;
    size_t start = 0;
    while (true) {
        const size_t end = style.find(';', start);
        const std::string_view part =
            TrimBlanks(std::string_view(style).substr(start, end - start));
        const size_t colon = part.find(':');
        declarations.Keys.emplace_back(part.substr(0, colon));
        declarations.Values.emplace_back(colon == std::string_view::npos ? std::string_view()
                                                                         : part.substr(colon + 1));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return declarations;
}

StylePosition ApplyStyleDeclarations(const StyleDeclarations& declarations,
                                     ControlAppearance& appearance, Dialogs& dialogs) {
    StylePosition position;
    std::optional<std::string> firstFailure;
    for (size_t i = 0; i < declarations.Keys.size(); ++i) {
        const std::string key = ToUpperAscii(declarations.Keys[i]);
        const std::string& value = declarations.Values[i];
        try {
            if (key == "LEFT") {
                position.Left = PixelValue(value);
            } else if (key == "TOP") {
                position.Top = PixelValue(value);
            } else if (key == "FONT-FAMILY") {
                appearance.Font.Name = value;
            } else if (key == "COLOR") {
                appearance.ForeColor = ColorFromName(value).value_or(appearance.ForeColor);
            } else if (key == "FONT-SIZE") {
                TakeBrowserFontSize(appearance, value);
                appearance.Font.Size = FontSizeValue(value);
            } else if (key == "FONT-WEIGHT") {
                appearance.Font.Bold = value.starts_with("Bold");
                appearance.BrowserBold = CssBold(value);
            } else if (key == "FONT-STYLE") {
                appearance.Font.Italic = value == "Italic";
            }
        } catch (const std::exception& e) {
            if (!firstFailure) {
                firstFailure = e.what();
            }
        }
    }
    if (firstFailure) {
        dialogs.Message(*firstFailure, "", MessageIcon::None);
    }
    return position;
}

std::string RewriteStylePosition(const StyleDeclarations& declarations, StylePosition position) {
    std::string style;
    for (size_t i = 0; i < declarations.Keys.size(); ++i) {
        const std::string& key = declarations.Keys[i];
        const std::string upperKey = ToUpperAscii(key);
        style += key + ":";
        if (upperKey == "LEFT") {
            style += std::to_string(position.Left) + "px";
        } else if (upperKey == "TOP") {
            style += std::to_string(position.Top) + "px";
        } else {
            style += declarations.Values[i];
        }
        if (i + 1 < declarations.Keys.size()) {
            style += "; ";
        }
    }
    return style;
}

}  // namespace htmlsim
