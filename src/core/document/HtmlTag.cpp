#include "document/HtmlTag.h"

#include <array>
#include <utility>

#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr auto npos = std::string_view::npos;

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Only the two entities the program itself writes are decoded, so an untouched "&amp;" in a
// link is neither changed nor double-escaped when the link is written again.
void AssignDecoded(std::string& value, std::string_view raw) {
    if (raw.find('&') == npos) {
        value.assign(raw);
        return;
    }
    value.clear();
    value.reserve(raw.size());
    for (size_t i = 0; i < raw.size();) {
        if (raw.substr(i, 6) == "&quot;") {
            value += '"';
            i += 6;
        } else if (raw.substr(i, 5) == "&#39;") {
            value += '\'';
            i += 5;
        } else {
            value += raw[i++];
        }
    }
}

size_t SkipSpaces(std::string_view text, size_t at, size_t end) {
    while (at < end && IsHtmlSpace(text[at])) {
        ++at;
    }
    return at;
}

// Comments run to "-->", everything else beginning "<!" or "<?" to the next ">".
std::optional<HtmlTag> ReadOther(std::string_view text, size_t open) {
    const bool comment = text.substr(open, 4) == "<!--";
    const size_t close = comment ? text.find("-->", open + 4) : text.find('>', open);
    if (close == npos) {
        return std::nullopt;
    }
    HtmlTag tag;
    tag.Start = open;
    tag.End = close + (comment ? 3 : 1);
    tag.CloseAt = close;
    return tag;
}

// Reads the attributes up to the ">" that ends the tag, keeping them when `keep` says so; false
// when the tag is not closed.
bool ReadAttributes(std::string_view text, size_t at, HtmlTag& tag, bool keep) {
    const size_t size = text.size();
    for (;;) {
        at = SkipSpaces(text, at, size);
        if (at >= size) {
            return false;
        }
        if (text[at] == '>') {
            tag.CloseAt = at;
            tag.End = at + 1;
            return true;
        }
        if (text[at] == '/') {
            if (at + 1 < size && text[at + 1] == '>') {
                tag.SelfClosing = true;
                tag.CloseAt = at;
                tag.End = at + 2;
                return true;
            }
            ++at;
            continue;
        }
        // Kept attributes are read in place; a tag that turns out unclosed is dropped whole.
        HtmlAttribute passedOver;
        HtmlAttribute& attribute = keep ? tag.Attributes.emplace_back() : passedOver;
        attribute.NameStart = at;
        while (at < size && !IsHtmlSpace(text[at]) && text[at] != '=' && text[at] != '>' &&
               (text[at] != '/' || at == attribute.NameStart)) {
            ++at;
        }
        if (keep) {
            attribute.Name =
                ToUpperAscii(text.substr(attribute.NameStart, at - attribute.NameStart));
        }
        attribute.ValueStart = attribute.ValueEnd = at;
        const size_t equals = SkipSpaces(text, at, size);
        if (equals < size && text[equals] == '=') {
            const size_t valueStart = SkipSpaces(text, equals + 1, size);
            if (valueStart >= size) {
                return false;
            }
            size_t valueEnd = valueStart;
            std::string_view raw;
            const char quote = text[valueStart];
            if (quote == '\'' || quote == '"') {
                const size_t closing = text.find(quote, valueStart + 1);
                if (closing == npos) {
                    return false;
                }
                valueEnd = closing + 1;
                raw = text.substr(valueStart + 1, closing - valueStart - 1);
            } else {
                while (valueEnd < size && !IsHtmlSpace(text[valueEnd]) && text[valueEnd] != '>') {
                    ++valueEnd;
                }
                raw = text.substr(valueStart, valueEnd - valueStart);
            }
            attribute.ValueStart = valueStart;
            attribute.ValueEnd = valueEnd;
            if (keep) {
                AssignDecoded(attribute.Value, raw);
            }
            at = valueEnd;
        }
    }
}

// The tag at `open`; without its attributes (only where it ends) when `keep` says so.
std::optional<HtmlTag> ReadTagAt(std::string_view text, size_t open, bool keep) {
    const size_t size = text.size();
    if (open + 1 >= size) {
        return std::nullopt;
    }
    const char next = text[open + 1];
    if (next == '!' || next == '?') {
        return ReadOther(text, open);
    }
    const bool endTag = next == '/';
    const size_t nameStart = open + (endTag ? 2 : 1);
    if (nameStart >= size || !IsAsciiLetter(text[nameStart])) {
        return std::nullopt;
    }
    size_t nameEnd = nameStart;
    while (nameEnd < size && !IsHtmlSpace(text[nameEnd]) && text[nameEnd] != '>' &&
           text[nameEnd] != '/') {
        ++nameEnd;
    }
    HtmlTag tag;
    tag.Kind = endTag ? HtmlTagKind::End : HtmlTagKind::Start;
    tag.Name = ToUpperAscii(text.substr(nameStart, nameEnd - nameStart));
    tag.Start = open;
    if (keep) {
        tag.Attributes.reserve(8);  // enough for most tags, with one allocation
    }
    if (!ReadAttributes(text, nameEnd, tag, keep)) {
        return std::nullopt;
    }
    return tag;
}

std::optional<HtmlTag> NextTag(std::string_view text, size_t from, bool keep) {
    for (size_t open = text.find('<', from); open != npos; open = text.find('<', open + 1)) {
        std::optional<HtmlTag> tag = ReadTagAt(text, open, keep);
        if (tag) {
            return tag;
        }
    }
    return std::nullopt;
}

// The first attribute of that name (any case) in a tag's attributes, or nullptr.
template <typename Attributes>
auto FirstNamed(Attributes& attributes, std::string_view name) -> decltype(attributes.data()) {
    for (auto& attribute : attributes) {
        if (EqualsIgnoreCase(attribute.Name, name)) {
            return &attribute;
        }
    }
    return nullptr;
}

}  // namespace

bool IsRawTextElement(std::string_view upperName) {
    for (std::string_view rawText :
         {"SCRIPT", "STYLE", "XMP", "TEXTAREA", "TITLE", "PLAINTEXT", "NOFRAMES", "IFRAME"}) {
        if (upperName == rawText) {
            return true;
        }
    }
    return false;
}

bool IsHtmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

const HtmlAttribute* HtmlTag::Find(std::string_view name) const {
    return FirstNamed(Attributes, name);
}

std::string HtmlTag::Get(std::string_view name) const {
    return std::string(View(name));
}

std::string_view HtmlTag::View(std::string_view name) const {
    const HtmlAttribute* attribute = Find(name);
    return attribute ? std::string_view(attribute->Value) : std::string_view();
}

std::string HtmlTag::Take(std::string_view name) {
    HtmlAttribute* attribute = FirstNamed(Attributes, name);
    return attribute ? std::exchange(attribute->Value, {}) : std::string();
}

std::optional<HtmlTag> NextHtmlTag(std::string_view text, size_t from) {
    return NextTag(text, from, true);
}

std::optional<HtmlTag> NextHtmlTagOutline(std::string_view text, size_t from) {
    return NextTag(text, from, false);
}

bool IsVoidElement(std::string_view upperName) {
    static constexpr std::array<std::string_view, 14> kVoid{
        "AREA",  "BASE", "BR",   "COL",   "EMBED",  "HR",    "IMG",
        "INPUT", "LINK", "META", "PARAM", "SOURCE", "TRACK", "WBR"};
    for (const std::string_view name : kVoid) {
        if (name == upperName) {
            return true;
        }
    }
    return false;
}

std::optional<HtmlTag> MatchingEndTag(std::string_view text, const HtmlTag& start) {
    if (start.Kind != HtmlTagKind::Start || start.SelfClosing) {
        return std::nullopt;
    }
    if (IsVoidElement(start.Name)) {
        const std::optional<HtmlTag> next = NextHtmlTagOutline(text, start.End);
        if (next && next->Kind == HtmlTagKind::End && next->Name == start.Name) {
            return NextHtmlTag(text, next->Start);
        }
        return std::nullopt;
    }
    if (IsRawTextElement(start.Name)) {
        // Searched in place: a copy of the rest of the page per script would make a page of
        // many scripts slow to read.
        const std::string closing = "</" + start.Name;
        for (size_t at = text.find("</", start.End); at != npos; at = text.find("</", at + 2)) {
            if (StartsWithIgnoreCase(text.substr(at), closing)) {
                return NextHtmlTag(text, at);
            }
        }
        return std::nullopt;
    }
    int depth = 1;
    for (std::optional<HtmlTag> tag = NextHtmlTagOutline(text, start.End); tag;
         tag = NextHtmlTagOutline(text, tag->End)) {
        if (tag->Name != start.Name) {
            if (tag->Kind == HtmlTagKind::Start && IsRawTextElement(tag->Name)) {
                std::optional<HtmlTag> skipped = MatchingEndTag(text, *tag);
                if (!skipped) {
                    return std::nullopt;
                }
                tag = skipped;
            }
            continue;
        }
        if (tag->Kind == HtmlTagKind::Start && !tag->SelfClosing) {
            ++depth;
        } else if (tag->Kind == HtmlTagKind::End && --depth == 0) {
            return NextHtmlTag(text, tag->Start);
        }
    }
    return std::nullopt;
}

size_t EndOfElementLine(std::string_view text, size_t end) {
    size_t at = end;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    if (text.substr(at, 2) == "\r\n") {
        return at + 2;
    }
    if (text.substr(at, 1) == "\n") {
        return at + 1;
    }
    return end;
}

}  // namespace htmlsim
