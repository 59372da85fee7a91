#include "document/SectionDocument.h"

#include <algorithm>

#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr std::string_view kCommentEnd = "-->";
constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

std::string_view DocumentLineBreak(std::string_view document) {
    if (document.find(kLineBreak) == std::string_view::npos &&
        document.find('\n') != std::string_view::npos) {
        return "\n";
    }
    return kLineBreak;
}

std::string WithLineBreaksOf(std::string_view document, std::string_view text) {
    const std::string_view lineBreak = DocumentLineBreak(document);
    if (lineBreak == kLineBreak) {
        return std::string(text);
    }
    std::string converted;
    converted.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        if (text.substr(at, kLineBreak.size()) == kLineBreak) {
            converted += lineBreak;
            at += kLineBreak.size();
        } else {
            converted += text[at++];
        }
    }
    return converted;
}

std::string SectionStartMarker(const std::string& name) {
    return "<!-- Section: " + name + " -->";
}

SectionTable::SectionTable(std::string listedText)
    : SectionTable(std::make_shared<const std::string>(std::move(listedText))) {}

SectionTable::SectionTable(std::shared_ptr<const std::string> listedText)
    : mListedText(std::move(listedText)) {
    mEntries.push_back({kEntireDocument, 0, mListedText->size(), true});
}

std::vector<std::string> SectionTable::Names() const {
    std::vector<std::string> names;
    names.reserve(mEntries.size());
    for (const auto& entry : mEntries) {
        names.push_back(entry.name);
    }
    return names;
}

std::string_view SectionTable::Before(size_t index) const {
    const auto& entry = Entry(index);
    return entry.complete ? std::string_view(ListedText()).substr(0, entry.bodyStart)
                          : std::string_view();
}

std::string_view SectionTable::Body(size_t index) const {
    const auto& entry = Entry(index);
    return entry.complete ? std::string_view(ListedText())
                                .substr(entry.bodyStart, entry.bodyEnd - entry.bodyStart)
                          : std::string_view();
}

std::string_view SectionTable::After(size_t index) const {
    const auto& entry = Entry(index);
    return entry.complete ? std::string_view(ListedText()).substr(entry.bodyEnd)
                          : std::string_view();
}

std::string SectionTable::WithBody(size_t index, std::string_view newBody) const {
    if (!Entry(index).complete) {
        throw RuntimeError("The section '" + Name(index) + "' has no end marker '" +
                           std::string(kSectionEndMarker) +
                           "', so the edit cannot be put back. Add the end marker in " +
                           kEntireDocument + " first.");
    }
    std::string document;
    document.reserve(ListedText().size() - Body(index).size() + newBody.size());
    document.append(Before(index)).append(newBody);
    // The end marker starts its own line, whatever the last line typed.
    const size_t lastLine = newBody.rfind('\n') + 1;
    if (After(index).starts_with(kSectionEndMarker) &&
        newBody.find_first_not_of(" \t", lastLine) != std::string_view::npos) {
        document += DocumentLineBreak(ListedText());
    }
    document.append(After(index));
    return document;
}

SectionTable ListSections(const std::string& document, Dialogs& dialogs) {
    return ListSections(std::make_shared<const std::string>(document), dialogs);
}

SectionTable ListSections(std::shared_ptr<const std::string> listedText, Dialogs& dialogs) {
    const std::string& document = *listedText;
    SectionTable table(std::move(listedText));
    size_t searchFrom = 0;
    for (;;) {
        const size_t start = document.find(kSectionStartPrefix, searchFrom);
        if (start == std::string::npos) {
            break;
        }
        const size_t commentEnd = document.find(kCommentEnd, start + 1);
        if (commentEnd == std::string::npos) {
            dialogs.Message("Section Ending Comment Marker Not Found: '-->'");
            break;
        }
        SectionEntry entry;
        const size_t nameStart = start + kSectionStartPrefix.size();
        if (commentEnd > nameStart) {
            entry.name =
                TrimBlanks(std::string_view(document).substr(nameStart, commentEnd - nameStart));
        }
        // The body starts on the line after the marker, whichever line break the document uses.
        size_t bodyStart = commentEnd + kCommentEnd.size();
        if (document.compare(bodyStart, kLineBreak.size(), kLineBreak) == 0) {
            bodyStart += kLineBreak.size();
        } else if (document.compare(bodyStart, 1, "\n") == 0) {
            bodyStart += 1;
        }
        const size_t endMarker = document.find(kSectionEndMarker, commentEnd);
        if (endMarker == std::string::npos) {
            entry.complete = false;
            table.Add(std::move(entry));
            dialogs.Message("End of Section Not Found: '" + std::string(kSectionEndMarker) + "'");
            break;
        }
        // An end marker on the start marker's own line ends an empty body there.
        entry.bodyStart = std::min(bodyStart, endMarker);
        entry.bodyEnd = endMarker;
        table.Add(std::move(entry));
        searchFrom = start + 1;
    }
    return table;
}

SectionPositions FindSection(std::string_view document, const std::string& name) {
    SectionPositions found;
    const std::string marker = SectionStartMarker(name);
    const size_t markerAt = document.find(marker);
    if (markerAt != std::string::npos) {
        found.start = markerAt + marker.size();
        // The body starts on the line after the marker, whichever line break the document uses.
        if (document.substr(found.start).starts_with(kLineBreak)) {
            found.start += kLineBreak.size();
        } else if (document.substr(found.start).starts_with('\n')) {
            found.start += 1;
        }
        const size_t endAt = document.find(kSectionEndMarker, found.start);
        if (endAt != std::string::npos) {
            found.end = endAt + 1;
        }
    }
    return found;
}

std::string GetSectionText(const std::string& document, const std::string& name,
                           SectionPositions* where) {
    const SectionPositions found = FindSection(document, name);
    if (where != nullptr) {
        *where = found;
    }
    if (found.end == 0) {
        return {};
    }
    return std::string(TrimBlankLines(
        std::string_view(document).substr(found.start, found.end - 1 - found.start)));
}

std::string_view TrimBlankLines(std::string_view text) {
    for (;;) {
        text = TrimBlanks(text);
        bool removed = false;
        for (const std::string_view lineBreak : {kLineBreak, std::string_view("\n")}) {
            if (text.size() >= lineBreak.size() && text.starts_with(lineBreak)) {
                text.remove_prefix(lineBreak.size());
                removed = true;
            }
            if (text.size() >= lineBreak.size() && text.ends_with(lineBreak)) {
                text.remove_suffix(lineBreak.size());
                removed = true;
            }
        }
        if (!removed) {
            return text;
        }
    }
}

bool AddSection(std::string& document, const std::string& name, Dialogs& dialogs) {
    const size_t bodyEnd = ToUpperAscii(document).find("</BODY>");
    if (bodyEnd == std::string::npos) {
        dialogs.Message("Does Not Exist: '<Body>'", "", MessageIcon::Information);
        return false;
    }
    const std::string lineBreak(DocumentLineBreak(document));
    document.insert(
        bodyEnd, SectionStartMarker(name) + lineBreak + std::string(kSectionEndMarker) + lineBreak);
    return true;
}

void ReplaceSectionBody(std::string& document, const std::string& name, const std::string& body,
                        Dialogs& dialogs) {
    std::string updated = document;
    SectionPositions where;
    GetSectionText(updated, name, &where);
    if (where.start == 0) {
        AddSection(updated, name, dialogs);
        GetSectionText(updated, name, &where);
    }
    if (where.start == 0) {
        throw RuntimeError("Section Not Found: '" + name + "'");
    }
    if (where.end == 0) {
        throw RuntimeError("End of Section Not Found: '" + std::string(kSectionEndMarker) + "'");
    }
    updated.replace(where.start, where.end - 1 - where.start, body);
    document = std::move(updated);
}

}  // namespace htmlsim
