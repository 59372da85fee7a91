#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace htmlsim {

// One attribute of a tag as it stands in the text. Positions are offsets into the text the tag
// was read from.
struct HtmlAttribute {
    std::string Name;   // upper case
    std::string Value;  // without its quotes; only &quot; and &#39; decoded
    size_t NameStart = 0;
    // The value as written, quotes included; both equal to the end of the name when the
    // attribute stands without a value.
    size_t ValueStart = 0;
    size_t ValueEnd = 0;
    bool HasValue() const { return ValueEnd > ValueStart; }
};

enum class HtmlTagKind { Start, End, Other };  // Other: comments, DOCTYPE, processing notes

// A tag read the way browsers read one: single, double or no quotes, any whitespace (CR and LF
// included) around "=" and between attributes, the tag over several lines.
struct HtmlTag {
    HtmlTagKind Kind = HtmlTagKind::Other;
    std::string Name;  // upper case; "" for Other
    size_t Start = 0;  // the "<"
    size_t End = 0;    // just after the ">"
    // Where "/>" or ">" begins: new attributes go here.
    size_t CloseAt = 0;
    bool SelfClosing = false;
    std::vector<HtmlAttribute> Attributes;

    // The first attribute of that name (any case), or nullptr.
    const HtmlAttribute* Find(std::string_view name) const;
    // Its value, or "".
    std::string Get(std::string_view name) const;
    // The same, without a copy: valid as long as the tag is.
    std::string_view View(std::string_view name) const;
    // The same taken out of the tag, which keeps "" in its place: for a tag read to be used up.
    std::string Take(std::string_view name);
};

// The next tag at or after `from`; a "<" that opens no tag is text. None when no tag follows.
std::optional<HtmlTag> NextHtmlTag(std::string_view text, size_t from);

// The same tag as NextHtmlTag finds, with its kind, name and extent but without its attributes:
// for passing over tags cheaply.
std::optional<HtmlTag> NextHtmlTagOutline(std::string_view text, size_t from);

// Elements that have no end tag and so never hold others.
bool IsVoidElement(std::string_view upperName);

// Elements whose content browsers read as text, not markup (SCRIPT, STYLE, XMP, TEXTAREA, ...).
bool IsRawTextElement(std::string_view upperName);

// The end tag that closes `start`, counting nested elements of the same name; for an element
// whose content is text the first end tag of that name. A void element is closed only by its end
// tag as the next tag (as the program writes "<input ...>caption</input>"). None when it is not
// closed.
std::optional<HtmlTag> MatchingEndTag(std::string_view text, const HtmlTag& start);

// Whether `c` separates attributes: blank, tab, CR, LF, form feed.
bool IsHtmlSpace(char c);

// The offset just after the element ending at `end`: blanks and one line break after it belong
// to it when nothing else follows on that line.
size_t EndOfElementLine(std::string_view text, size_t end);

}  // namespace htmlsim
