#pragma once

#include <string>

#include "import/ScanText.h"

namespace htmlsim {

// The first element of a text, cut into its pieces.
struct TagPieces {
    ScanText before;      // the text before the tag, trimmed of blank lines
    std::string tagName;  // upper case; "" when the text holds no complete tag
    ScanText attributes;  // the attribute text after the name
    ScanText inner;       // up to the first closing tag of the same name
    ScanText remainder;   // after the element, trimmed of blank lines
};

// Takes the first element from the front of `source`. Elements do not nest: the first closing
// tag of the same name ends one. Without a closing tag the inner text is empty and the
// remainder starts right after the opening tag. A CR LF directly after a closing tag is
// skipped with it.
TagPieces NextTag(const ScanText& source);

}  // namespace htmlsim
