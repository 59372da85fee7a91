#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace htmlsim {

// One value the writer puts into an element: the attribute (spelled as the program writes it)
// of one of the element's tags. Style items are named "style:" + the item's name; what stands
// between the element's start and end tag is named kElementContent.
struct WrittenValue {
    size_t TagIndex = 0;  // which of the element's tags holds it
    std::string Name;
    std::string Value;
    bool operator==(const WrittenValue&) const = default;
};
using WrittenValues = std::vector<WrittenValue>;

inline constexpr const char* kElementContent = "#content";

}  // namespace htmlsim
