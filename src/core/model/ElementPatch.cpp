#include "model/ElementPatch.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr std::string_view kStylePrefix = "style:";

// One replacement inside the element: [from, to) of the body becomes `text`.
struct Edit {
    size_t from;
    size_t to;
    std::string text;
};

bool LeftOutWhenEmpty(std::string_view name) {
    return EqualsIgnoreCase(name, "HREF") || EqualsIgnoreCase(name, "COORDS");
}

bool SafeUnquoted(std::string_view value) {
    if (value.empty()) {
        return false;
    }
    return std::none_of(value.begin(), value.end(), [](char c) {
        return IsHtmlSpace(c) || c == '"' || c == '\'' || c == '`' || c == '=' || c == '<' ||
               c == '>';
    });
}

// The new value in the quotes the old one had, where the new value allows it.
std::string RequotedValue(std::string_view body, const HtmlAttribute& attribute,
                          std::string_view value) {
    const char quote = attribute.HasValue() ? body[attribute.ValueStart] : '\'';
    if (quote == '"' && value.find('"') == std::string_view::npos) {
        return "\"" + std::string(value) + "\"";
    }
    if (quote != '"' && quote != '\'' && SafeUnquoted(value)) {
        return std::string(value);
    }
    return QuotedValue(value);
}

const WrittenValue* FindValue(const WrittenValues& values, const WrittenValue& like) {
    for (const WrittenValue& value : values) {
        if (value.TagIndex == like.TagIndex && value.Name == like.Name) {
            return &value;
        }
    }
    return nullptr;
}

// A style text with items replaced, added or removed. Removing the last item takes the ";"
// that ended it along; left or top written into a style without a position makes it absolute.
std::string PatchedStyle(std::string_view style,
                         const std::vector<std::pair<std::string, std::string>>& changes) {
    std::vector<std::string> items;
    for (const std::string_view item : SplitText(style, ";")) {
        items.emplace_back(item);
    }
    const bool endsWithSeparator = !items.empty() && TrimBlanks(items.back()).empty();
    if (endsWithSeparator) {
        items.pop_back();
    }
    auto find = [&](std::string_view name) -> std::optional<size_t> {
        for (size_t i = 0; i < items.size(); ++i) {
            const std::string_view item = items[i];
            if (EqualsIgnoreCase(TrimBlanks(item.substr(0, item.find(':'))), name)) {
                return i;
            }
        }
        return std::nullopt;
    };
    auto add = [&](const std::string& name, const std::string& value) {
        items.push_back((items.empty() ? "" : " ") + name + ":" + value);
    };
    bool removedLast = false;
    for (const auto& [name, value] : changes) {
        if ((name == "left" || name == "top") && !value.empty() && !find("position")) {
            add("position", "absolute");
        }
        const std::optional<size_t> at = find(name);
        if (!at) {
            if (!value.empty()) {
                add(name, value);
            }
        } else if (value.empty()) {
            removedLast = *at + 1 == items.size();
            items.erase(items.begin() + static_cast<std::ptrdiff_t>(*at));
        } else {
            std::string& item = items[*at];
            // The blanks after the colon stay, and a bare number keeps the unit the page wrote
            // the old value in.
            const size_t colon = item.find(':') + 1;
            const std::string_view old = std::string_view(item).substr(colon);
            const size_t blanks = std::min(old.find_first_not_of(' '), old.size());
            const bool keepsPixels = TrimBlanks(old).ends_with("px") && !value.empty() &&
                                     std::isdigit(static_cast<unsigned char>(value.back()));
            item = item.substr(0, colon + blanks) + value + (keepsPixels ? "px" : "");
        }
    }
    std::string patched;
    for (size_t i = 0; i < items.size(); ++i) {
        patched += (i == 0 ? "" : ";") + items[i];
    }
    if (endsWithSeparator && !removedLast && !items.empty()) {
        patched += ";";
    }
    return patched;
}

// A width or height the element gives in its style alone is changed there, where it counts.
bool SizeOnlyInStyle(const HtmlTag& tag, const std::string& name) {
    if ((name != "width" && name != "height") || tag.Find(name) != nullptr) {
        return false;
    }
    const HtmlAttribute* style = tag.Find("STYLE");
    if (style == nullptr) {
        return false;
    }
    for (const std::string_view item : SplitText(style->Value, ";")) {
        if (EqualsIgnoreCase(TrimBlanks(item.substr(0, item.find(':'))), name)) {
            return true;
        }
    }
    return false;
}

void AddAttributeEdit(std::string_view body, const HtmlTag& tag, const std::string& name,
                      const std::string& value, bool emptyLeftOut, std::vector<Edit>& edits) {
    const HtmlAttribute* attribute = tag.Find(name);
    emptyLeftOut = emptyLeftOut || LeftOutWhenEmpty(name);
    if (attribute == nullptr) {
        if (!value.empty() || !emptyLeftOut) {
            edits.push_back({tag.CloseAt, tag.CloseAt, WrittenAttribute(name, value)});
        }
        return;
    }
    if (value.empty() && emptyLeftOut) {
        size_t from = attribute->NameStart;
        while (from > tag.Start && IsHtmlSpace(body[from - 1])) {
            --from;
        }
        edits.push_back({from, attribute->ValueEnd, ""});
    } else if (attribute->HasValue()) {
        edits.push_back(
            {attribute->ValueStart, attribute->ValueEnd, RequotedValue(body, *attribute, value)});
    } else {
        edits.push_back({attribute->ValueEnd, attribute->ValueEnd, "=" + QuotedValue(value)});
    }
}

// The content replaced where the element has an end tag; otherwise given one, as the program
// writes the element.
void AddContentEdit(const ElementOrigin& origin, const std::vector<HtmlTag>& tags,
                    const std::string& content, std::vector<Edit>& edits) {
    if (origin.ContentRead) {
        edits.push_back({origin.ContentStart, origin.ContentEnd, content});
    } else if (!content.empty() && !tags.empty()) {
        const HtmlTag& tag = tags.back();
        edits.push_back({tag.End, tag.End, content + "</" + ToLowerAscii(tag.Name) + ">"});
    }
}

}  // namespace

std::string QuotedValue(std::string_view value) {
    if (value.find('\'') == std::string_view::npos) {
        return "'" + std::string(value) + "'";
    }
    std::string quoted = "\"";
    for (const char c : value) {
        quoted += c == '"' ? std::string("&quot;") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string WrittenAttribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=" + QuotedValue(value);
}

std::string PatchedElement(std::string_view body, const ElementOrigin& origin,
                           const WrittenValues& values) {
    const std::string_view element = origin.TextIn(body);
    if (origin.ValuesAsRead.Equals(values, element)) {
        return std::string(element);
    }
    const WrittenValues valuesAsRead = origin.ValuesAsRead.Unpacked(element);
    const std::vector<HtmlTag> tags = origin.TagsIn(body);
    // Every value read and every value written, each once, in the order written.
    WrittenValues changed;
    for (const WrittenValue& value : values) {
        const WrittenValue* read = FindValue(valuesAsRead, value);
        if (read == nullptr || read->Value != value.Value) {
            changed.push_back(value);
        }
    }
    for (const WrittenValue& read : valuesAsRead) {
        if (FindValue(values, read) == nullptr) {
            changed.push_back({read.TagIndex, read.Name, ""});
        }
    }

    // An element made absolute gets both its left and its top, even when one did not change.
    for (const WrittenValue& value : values) {
        const bool place = value.Name == "style:left" || value.Name == "style:top";
        if (!place) {
            continue;
        }
        const HtmlAttribute* style = tags[value.TagIndex].Find("STYLE");
        const bool positioned =
            style != nullptr && ToUpperAscii(style->Value).find("POSITION") != std::string::npos;
        const bool placing = std::any_of(changed.begin(), changed.end(), [&](const auto& c) {
            return c.TagIndex == value.TagIndex &&
                   (c.Name == "style:left" || c.Name == "style:top");
        });
        if (placing && !positioned && !FindValue(changed, value)) {
            changed.push_back(value);
        }
    }

    std::vector<Edit> edits;
    for (const WrittenValue& value : changed) {
        if (value.Name == kElementContent) {
            AddContentEdit(origin, tags, value.Value, edits);
        }
    }
    for (size_t t = 0; t < tags.size(); ++t) {
        const HtmlTag& tag = tags[t];
        std::vector<std::pair<std::string, std::string>> styleChanges;
        for (const WrittenValue& value : changed) {
            if (value.TagIndex != t || value.Name == kElementContent) {
                continue;
            }
            if (value.Name.starts_with(kStylePrefix)) {
                styleChanges.emplace_back(value.Name.substr(kStylePrefix.size()), value.Value);
            } else if (const std::string item = ToLowerAscii(value.Name);
                       SizeOnlyInStyle(tag, item)) {
                styleChanges.emplace_back(item, value.Value + "px");
            } else {
                AddAttributeEdit(body, tag, value.Name, value.Value, origin.EmptyValuesLeftOut,
                                 edits);
            }
        }
        if (!styleChanges.empty()) {
            const HtmlAttribute* style = tag.Find("STYLE");
            AddAttributeEdit(body, tag, style ? style->Name : "STYLE",
                             PatchedStyle(style ? style->Value : "", styleChanges), false, edits);
        }
    }

    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return a.from < b.from || (a.from == b.from && a.to < b.to);
    });
    std::string patched;
    size_t at = origin.Start;
    for (const Edit& edit : edits) {
        patched.append(body.substr(at, edit.from - at)).append(edit.text);
        at = edit.to;
    }
    patched.append(body.substr(at, origin.End - at));
    return patched;
}

std::string PatchedBody(const SectionLayout& layout, const ValuesNow& valuesNow) {
    const std::string_view read = layout.Body;
    std::string body;
    body.reserve(read.size());
    size_t at = 0;
    for (const ElementOriginPtr& element : layout.Elements) {
        body.append(read.substr(at, element->Start - at));
        if (const std::optional<WrittenValues> values = valuesNow(*element)) {
            body += PatchedElement(read, *element, *values);
        }
        at = element->End;
    }
    return body.append(read.substr(at));
}

}  // namespace htmlsim
