#include "surface/BalloonLooks.h"

#include <algorithm>
#include <string>

#include "controls/CssColorTable.h"
#include "util/Numbers.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

std::optional<SurfaceColor> HexColor(std::string_view digits) {
    if ((digits.size() != 3 && digits.size() != 6) ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos) {
        return std::nullopt;
    }
    const int perChannel = static_cast<int>(digits.size()) / 3;
    auto channel = [&](int i) {
        const std::string part(digits.substr(i * perChannel, perChannel));
        const int value = std::stoi(part, nullptr, 16);
        return static_cast<uint8_t>(perChannel == 1 ? value * 17 : value);
    };
    return SurfaceColor{channel(0), channel(1), channel(2)};
}

std::string WithLineBreaks(std::string html) {
    const std::string upper = ToUpperAscii(html);
    std::string result;
    size_t from = 0;
    for (size_t at = upper.find("</BR>"); at != std::string::npos; at = upper.find("</BR>", from)) {
        result.append(html, from, at - from).append("<br>");
        from = at + 5;
    }
    return result.append(html, from, std::string::npos);
}

}  // namespace

std::optional<SurfaceColor> CssColor(std::string_view value) {
    value = TrimBlanks(value);
    if (!value.empty() && value.front() == '#') {
        return HexColor(value.substr(1));
    }
    for (const ColorRecord& row : CssColors().Rows()) {
        if (EqualsIgnoreCase(row.Name, value)) {
            return SurfaceColor{static_cast<uint8_t>(row.R), static_cast<uint8_t>(row.G),
                                static_cast<uint8_t>(row.B)};
        }
    }
    return std::nullopt;
}

BalloonLook BalloonLookOf(const ClickableArea& balloon) {
    const BalloonText& text = balloon.Balloon();
    return {CssColor(text.BackgroundColor),
            // A radius beyond any box is as round as one can be.
            static_cast<int>(std::clamp(LeadingNumber(text.BorderRadius), 0.0, 32767.0)),
            WithLineBreaks(text.InnerHTML)};
}

}  // namespace htmlsim
