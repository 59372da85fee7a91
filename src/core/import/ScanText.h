#pragma once

#include <string>
#include <string_view>

namespace htmlsim {

// A text and its search copy, cut at the same positions. The mask is the text in upper case
// with everything inside quotes blanked to NUL, so searches for "<", ">", "=", blanks and
// closing tags see only the markup. Both are views: the owner of the section text and of its
// mask must outlive every piece.
struct ScanText {
    std::string_view Text;
    std::string_view Mask;

    bool Empty() const { return Text.empty(); }
    // The piece of `length` characters from `start` (to the end when length is npos).
    ScanText Slice(size_t start, size_t length = std::string_view::npos) const {
        return {Text.substr(start, length), Mask.substr(start, length)};
    }
};

// The search copy of a text: same length, upper-cased ASCII letters, NUL inside back-quoted,
// double-quoted and single-quoted runs (in that order; an unmatched quote stops the masking).
std::string BuildSearchMask(std::string_view text);

// Both fields without the blanks and CR LF pairs at either end.
ScanText TrimBlankLines(const ScanText& piece);

}  // namespace htmlsim
