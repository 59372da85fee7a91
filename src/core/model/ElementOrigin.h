#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/HtmlTag.h"

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

enum class OriginKind { Image, Map, Area, Balloon, CanvasArea, Control };

// Where an element the design was read from stands in its section body, and what the writer
// would have written for it right after reading. Writing the section again keeps the element's
// bytes when its values are still the same, and otherwise replaces only the values that differ,
// keeping the spelling of everything else.
struct ElementOrigin {
    OriginKind Kind = OriginKind::Image;
    size_t Start = 0;  // the element's first byte
    size_t End = 0;    // after the element and the line break that belongs to it
    // The tags whose values are written: the element's own; for a linked image the A first.
    std::vector<HtmlTag> Tags;
    WrittenValues ValuesAsRead;
    // The ImageType the image was read as: another kind is written anew.
    int32_t KindAsRead = 0;
    // A map's end tag, before which the areas drawn since go.
    size_t NewAreasAt = 0;
    // Where the content stands, when the element has an end tag (or, for a canvas area's line,
    // the inside of its quoted text).
    bool ContentRead = false;
    size_t ContentStart = 0;
    size_t ContentEnd = 0;
    // Whether an attribute whose value becomes empty goes, as the page controls write none.
    bool EmptyValuesLeftOut = false;
};
using ElementOriginPtr = std::shared_ptr<const ElementOrigin>;

// A section body as it was read, with the elements of the design in it, in order. Everything
// between them is written back as it stands.
struct SectionLayout {
    std::string Body;
    std::vector<ElementOriginPtr> Elements;
};

}  // namespace htmlsim
