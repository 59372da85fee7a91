#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/ControlAppearance.h"
#include "services/Surface.h"

namespace htmlsim {

// The background colour a browser gives the page's body from these style sheets, taken in the
// order the page reads them (a later rule wins); nullopt when none sets one it understands.
// Only rules whose selector list names "body" count.
std::optional<SurfaceColor> BodyBackground(const std::vector<std::string>& styleSheets);

// The font size and weight the sheets' rules for the element ("label", "a") give it, the same
// way.
SheetFont ElementFont(const std::vector<std::string>& styleSheets, std::string_view element);

// The style sheets of a page in the order the template reads them: its Style section, then
// "MyStyle.css" beside it (the page links it after the section), when that file can be read.
std::vector<std::string> PageStyleSheets(const std::string& documentText,
                                         const std::string& folder);

}  // namespace htmlsim
