#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/ElementOrigin.h"

namespace htmlsim {

// A value in quotes that cannot break: single quotes as the program writes them; double quotes
// around a value holding "'"; a value holding both quotes writes '"' as &quot; inside double
// quotes.
std::string QuotedValue(std::string_view value);

// " " + name + "=" + the quoted value, as the program writes an attribute.
std::string WrittenAttribute(std::string_view name, std::string_view value);

// The element's bytes from `body` with each value of `values` that differs from the value read
// replaced in place, keeping the spelling of all else. A value missing from its tag is added
// before the tag's end; a value read but no longer written is removed. HREF and COORDS are
// left out rather than written empty.
std::string PatchedElement(std::string_view body, const ElementOrigin& origin,
                           const WrittenValues& values);

// The section body as read with each of its elements patched to the values `valuesNow` gives
// for it, or left out, with the line break that belongs to it, when it gives none.
using ValuesNow = std::function<std::optional<WrittenValues>(const ElementOrigin&)>;
std::string PatchedBody(const SectionLayout& layout, const ValuesNow& valuesNow);

}  // namespace htmlsim
