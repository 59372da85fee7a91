#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/HtmlTag.h"
#include "model/PackedValues.h"
#include "model/WrittenValue.h"

namespace htmlsim {

enum class OriginKind : uint8_t { Image, Map, Area, Balloon, CanvasArea, Control };

// A place in a section body. Four bytes are enough, as a document of 4 GB or more is not read.
using BodyOffset = uint32_t;
constexpr size_t kLargestDocument = UINT32_MAX;

// Where an element the design was read from stands in its section body, and what the writer
// would have written for it right after reading. Writing the section again keeps the element's
// bytes when its values are still the same, and otherwise replaces only the values that differ,
// keeping the spelling of everything else.
struct ElementOrigin {
    // The members stand grouped by size: a large page holds tens of thousands of elements.
    BodyOffset Start = 0;  // the element's first byte
    BodyOffset End = 0;    // after the element and the line break that belongs to it
    // The tags whose values are written: the element's own, at Start; for a linked image the A
    // there and the IMG at InnerTagStart. Only their places are kept; a tag is read again when
    // its element is written with other values.
    BodyOffset InnerTagStart = 0;
    // A map's end tag, before which the areas drawn since go.
    BodyOffset NewAreasAt = 0;
    // Where the content stands, when the element has an end tag (or, for a canvas area's line,
    // the inside of its quoted text).
    BodyOffset ContentStart = 0;
    BodyOffset ContentEnd = 0;
    // The ImageType the image was read as: another kind is written anew.
    int32_t KindAsRead = 0;
    OriginKind Kind = OriginKind::Image;
    uint8_t TagCount = 0;
    bool ContentRead = false;
    // Whether an attribute whose value becomes empty goes, as the page controls write none.
    bool EmptyValuesLeftOut = false;
    // Packed against the element's text (see TextIn) where the import could, so every reading
    // gives that text.
    PackedValues ValuesAsRead;

    // Keeps where the tags begin (at most two), the first where the element does.
    void KeepTags(std::initializer_list<size_t> starts);
    // The element's bytes in the body it was read from.
    std::string_view TextIn(std::string_view body) const { return body.substr(Start, End - Start); }
    // The tags read again from the body they were read from.
    std::vector<HtmlTag> TagsIn(std::string_view body) const;
};
// A member added in the wrong place costs a megabyte on a large page.
static_assert(sizeof(ElementOrigin) <= 64);
using ElementOriginPtr = std::shared_ptr<const ElementOrigin>;

// A section body as it was read, with the elements of the design in it, in order. Everything
// between them is written back as it stands.
struct SectionLayout {
    // The document text the body stands in, shared rather than copied: a large page is not held
    // once more for it. An edit of the document makes a new text, so this one stays as read for
    // as long as the layout lives.
    std::shared_ptr<const std::string> Text;
    std::string_view Body;
    std::vector<ElementOriginPtr> Elements;
};

}  // namespace htmlsim
