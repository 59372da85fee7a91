#include "import/AttributeTable.h"

#include "import/ImportValues.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr auto npos = std::string_view::npos;

}  // namespace

void ParseAttributes(const ScanText& attributeText, AttributeTable& table) {
    table.rows.clear();
    const std::string_view mask = attributeText.Mask;
    // The blanks around each "=" are tracked as the scan moves on, so a long run of items
    // costs one pass over the text.
    size_t lastBlank = npos;
    size_t scannedTo = 0;
    size_t nextBlank = 0;
    for (size_t equals = mask.find('='); equals != npos; equals = mask.find('=', equals + 1)) {
        for (; scannedTo < equals; ++scannedTo) {
            if (mask[scannedTo] == ' ') {
                lastBlank = scannedTo;
            }
        }
        if (nextBlank != npos && nextBlank <= equals) {
            nextBlank = mask.find(' ', equals + 1);
        }
        const size_t start = lastBlank == npos ? 0 : lastBlank + 1;
        const size_t end = nextBlank == npos ? mask.size() : nextBlank;
        AddAttribute(attributeText.Slice(start, end - start), table);
    }
}

void AddAttribute(const ScanText& item, AttributeTable& table) {
    const size_t equals = item.Mask.find('=');
    if (equals == npos) {
        return;
    }
    std::string name = ToUpperAscii(item.Text.substr(0, equals));
    std::string value(Unquote(item.Text.substr(equals + 1)));
    if (name == "TYPE") {
        value = ToUpperAscii(value);
    }
    table.rows.emplace_back(std::move(name), std::move(value));
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
