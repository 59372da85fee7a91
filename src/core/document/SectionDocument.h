#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "services/Dialogs.h"

namespace htmlsim {

// A document is divided into named sections by comment markers:
//   "<!-- Section: NAME -->" CR LF  body  "<!-- Section End -->"
inline constexpr std::string_view kSectionStartPrefix = "<!-- Section:";
inline constexpr std::string_view kSectionEndMarker = "<!-- Section End -->";

// The start marker of a section exactly as the program writes it (without the line break).
std::string SectionStartMarker(const std::string& name);

// The document's line break: CR LF when the document holds one or has no line break at all
// (new documents), LF when its lines end with LF alone. Everything written into the document
// uses it.
std::string_view DocumentLineBreak(std::string_view document);

// `text`, written with CR LF, with the document's line break instead.
std::string WithLineBreaksOf(std::string_view document, std::string_view text);

// One entry of the section table. Its texts are slices of the listed document:
// Before = [0, bodyStart), Body = [bodyStart, bodyEnd), After = [bodyEnd, end).
struct SectionEntry {
    std::string name;
    size_t bodyStart = 0;
    size_t bodyEnd = 0;
    // False for a section listed without its end marker: its texts are empty and an edit of it
    // cannot be put back.
    bool complete = true;
};

// The sections of a document as they were when it was listed; entry 0 is the whole document.
// The table keeps one copy of the listed text, so even thousands of entries stay cheap; a text
// shared with others is kept without a copy of its own.
class SectionTable {
  public:
    SectionTable() : SectionTable(std::string()) {}
    explicit SectionTable(std::string listedText);
    explicit SectionTable(std::shared_ptr<const std::string> listedText);

    size_t Count() const { return mEntries.size(); }
    const SectionEntry& Entry(size_t index) const { return mEntries.at(index); }
    const std::string& Name(size_t index) const { return Entry(index).name; }
    std::vector<std::string> Names() const;
    const std::string& ListedText() const { return *mListedText; }

    std::string_view Before(size_t index) const;
    std::string_view Body(size_t index) const;
    std::string_view After(size_t index) const;

    // Before + newBody + After of the entry: the document with that entry's body edited, and
    // a line break before the end marker where the body's last line holds text.
    // Throws RuntimeError for an entry listed without its end marker.
    std::string WithBody(size_t index, std::string_view newBody) const;

    void Add(SectionEntry entry) { mEntries.push_back(std::move(entry)); }

  private:
    std::shared_ptr<const std::string> mListedText;
    std::vector<SectionEntry> mEntries;
};

inline constexpr const char* kEntireDocument = "Entire Document";

// Lists the sections of the document in order of their start markers. A start marker without
// "-->" or without an end marker after it ends the listing with a message; what was listed
// before stays.
SectionTable ListSections(const std::string& document, Dialogs& dialogs);
SectionTable ListSections(std::shared_ptr<const std::string> document, Dialogs& dialogs);

// Where GetSectionText found a section, in 1-based positions: start is the number of characters
// before the body (0 when the start marker is missing), end the position of the end marker
// (0 when there is none).
struct SectionPositions {
    size_t start = 0;
    size_t end = 0;
};

// Where the first section whose exact start marker is in the document stands; nothing is copied.
SectionPositions FindSection(std::string_view document, const std::string& name);

// The body of the first section whose exact start marker is in the document, with blank lines
// trimmed; "" when there is none.
std::string GetSectionText(const std::string& document, const std::string& name,
                           SectionPositions* where = nullptr);

// Removes blanks and line breaks (CR LF or LF) from both ends, repeatedly: a view into `text`.
std::string_view TrimBlankLines(std::string_view text);

// Inserts an empty section called name immediately before "</BODY>" (found ignoring case).
// Without "</BODY>" it says so and returns false, the document unchanged.
bool AddSection(std::string& document, const std::string& name, Dialogs& dialogs);

// Replaces the whole body of the section, adding the section first when it is missing. Throws
// RuntimeError, the document unchanged, when there is no body to replace.
void ReplaceSectionBody(std::string& document, const std::string& name, const std::string& body,
                        Dialogs& dialogs);

}  // namespace htmlsim
