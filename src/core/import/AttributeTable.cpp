#include "import/AttributeTable.h"

#include "util/Text.h"

namespace htmlsim {

AttributeTable AttributesOf(const HtmlTag& tag) {
    AttributeTable table;
    table.rows.reserve(tag.Attributes.size());
    for (const HtmlAttribute& attribute : tag.Attributes) {
        table.rows.emplace_back(attribute.Name, attribute.Name == "TYPE"
                                                    ? ToUpperAscii(attribute.Value)
                                                    : attribute.Value);
    }
    return table;
}

bool HasAttribute(const AttributeTable& table, std::string_view name) {
    const std::string wanted = ToUpperAscii(name);
    for (const auto& row : table.rows) {
        if (row.first == wanted) {
            return true;
        }
    }
    return false;
}

std::string GetAttribute(const AttributeTable& table, std::string_view name) {
    const std::string wanted = ToUpperAscii(name);
    for (const auto& [rowName, value] : table.rows) {
        if (rowName == wanted) {
            return value;
        }
    }
    return "";
}

}  // namespace htmlsim
