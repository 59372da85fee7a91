#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/HtmlTag.h"

namespace htmlsim {

// The name=value items of one tag: names in upper case, values without their quotes. It grows
// to hold as many items as a tag has.
struct AttributeTable {
    std::vector<std::pair<std::string, std::string>> rows;

    size_t AttributeCount() const { return rows.size(); }
};

// The table of a tag read by NextHtmlTag; the value of TYPE upper-cased, as AddAttribute does.
AttributeTable AttributesOf(const HtmlTag& tag);

// Whether a row is named `name` (in any case).
bool HasAttribute(const AttributeTable& table, std::string_view name);

// The value of the first row named `name` (in any case), or "".
std::string GetAttribute(const AttributeTable& table, std::string_view name);

}  // namespace htmlsim
