#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace htmlsim {

// What can be wrong with the flow of a simulation.
enum class LinkProblemKind {
    MissingFile,   // a link leads to a file that does not exist
    EmptyLink,     // a clickable area leads nowhere
    MissingTitle,  // an image-map area without a Title: screen readers have nothing to read
    DeadEnd,       // a page with no way forward or back
    Orphan,        // a page in the folder that no page links to
    OutsideImage,  // an area or balloon lies (partly) outside its image
    Unreadable,    // a page that exists but cannot be read
    External,      // a link to another site, a mail address, a script or within the page
};

// A short, stable name of the kind ("missing-file", "empty-link", ...) for machine output.
const char* LinkProblemKindName(LinkProblemKind kind);

// One finding: the page (relative to the start page's folder), the element on it ("" for the
// page as a whole), the kind and a sentence for the user.
struct LinkProblem {
    std::string page;
    std::string element;
    LinkProblemKind kind;
    std::string text;
};

enum class FlowPageState {
    Walked,   // reached from the start page and read
    Missing,  // linked to, but there is no such file
    Orphan,   // in the folder, reached by no link
};

// A node of the flow map. `name` is the path relative to the start page's folder and unique.
struct FlowPage {
    std::string path;
    std::string name;
    std::string picturePath;  // the page's first image, "" when it has none
    FlowPageState state = FlowPageState::Walked;
};

// An arrow of the flow map: a click of this type on page `from` opens page `to`. Several
// elements making the same click to the same page give one arrow.
struct FlowLink {
    size_t from = 0;
    size_t to = 0;
    std::string clickType;
};

// Pages in the order the walk met them (the start page first, then breadth first), missing
// targets where they were met, orphans last.
struct FlowGraph {
    std::vector<FlowPage> pages;
    std::vector<FlowLink> links;
};

// A message the import would have shown while a page was read.
struct ImportNote {
    std::string page;
    std::string text;
};

struct LinkReport {
    FlowGraph graph;
    std::vector<LinkProblem> problems;
    std::vector<ImportNote> importNotes;

    bool HasMissingFiles() const;
    // Whether the page of this name has any problem of its own.
    bool PageHasProblems(const std::string& pageName) const;
};

}  // namespace htmlsim
