#include "util/LinkTarget.h"

#include <algorithm>
#include <cctype>

#include "util/Text.h"

namespace htmlsim {

bool IsBackLink(std::string_view link) {
    return EqualsIgnoreCase(link, "javascript:history.back()");
}

bool HasScheme(std::string_view link) {
    const size_t colon = link.find(':');
    if (colon == std::string_view::npos || colon < 2 ||
        !std::isalpha(static_cast<unsigned char>(link[0]))) {
        return false;
    }
    return std::all_of(link.begin(), link.begin() + colon, [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

std::string_view LinkFilePart(std::string_view link) {
    return link.substr(0, link.find_first_of("#?"));
}

bool LeadsToPage(std::string_view link) {
    return !HasScheme(link) && !LinkFilePart(link).empty();
}

std::string PageFileOfLink(std::string_view link) {
    std::string_view file = LinkFilePart(link);
    while (file.starts_with("./")) {
        file.remove_prefix(2);
    }
    return std::string(file);
}

}  // namespace htmlsim
