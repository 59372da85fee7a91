#include "controls/ColorFromName.h"

#include <cmath>
#include <limits>

#include "util/Numbers.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The leading number of a colour value, where "&H" introduces hexadecimal digits.
double LeadingColorNumber(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos || text.size() - start < 2 || text[start] != '&' ||
        (text[start + 1] != 'H' && text[start + 1] != 'h')) {
        return LeadingNumber(text);
    }
    double value = 0;
    for (size_t i = start + 2; i < text.size() && HexDigitValue(text[i]) >= 0; ++i) {
        value = value * 16 + HexDigitValue(text[i]);
    }
    return value;
}

}  // namespace

std::optional<ColorNumber> ColorFromName(std::string_view value) {
    // Any number other than 0 is a colour number, even one that rounds to 0 (black).
    const double leading = LeadingColorNumber(value);
    if (leading != 0) {
        const double number = std::nearbyint(leading);
        if (number < std::numeric_limits<ColorNumber>::min() ||
            number > std::numeric_limits<ColorNumber>::max()) {
            return std::nullopt;
        }
        return static_cast<ColorNumber>(number);
    }
    for (const ColorRecord& row : CssColors().Rows()) {
        if (EqualsIgnoreCase(row.Name, value)) {
            return RgbColor(row.R, row.G, row.B);
        }
    }
    return std::nullopt;
}

}  // namespace htmlsim
