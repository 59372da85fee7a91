#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "import/ScanText.h"

namespace htmlsim {

// The name=value items of one tag: names in upper case, values without their quotes. It grows
// to hold as many items as a tag has.
struct AttributeTable {
    std::vector<std::pair<std::string, std::string>> rows;

    size_t AttributeCount() const { return rows.size(); }
};

// Fills the table from a tag's attribute text. Every "=" outside quotes makes an item, reaching
// back to the blank before it and on to the blank after it; a word without "=" is not kept.
void ParseAttributes(const ScanText& attributeText, AttributeTable& table);

// Adds the item "name=value" (nothing when it has no "="). The value of TYPE is upper-cased.
void AddAttribute(const ScanText& item, AttributeTable& table);

// The value of the first row named `name` (in any case), or "".
std::string GetAttribute(const AttributeTable& table, std::string_view name);

}  // namespace htmlsim
