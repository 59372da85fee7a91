#pragma once

#include <filesystem>

namespace htmlsim::testing {

// Simulations on disk for the link check, with a picture per page.
//
// Flawed: the pages and pictures of tests/corpus/check/one-problem-of-each-kind. start.html (an
// image map) links to next.html, to missing.html, to dead.html, has one area without a link, one
// without a Title and one reaching past its image's right edge, and an anchor and an http link;
// next.html (a canvas) leads back to start.html with a right click; dead.html has no link at
// all; orphan.html is linked by no page. One problem of each kind.
void WriteFlawedSimulation(const std::filesystem::path& folder);

// Generated (pictures of 1 x 1, the pages give their sizes): page0.html to page<pages - 1>.html,
// each with its picture page<k>.png and five areas (on to the next two pages, back, to the first
// page and to page k / 2) and an anchor to the next page; the last page leads to itself. Every page
// is reached, none has a problem.
void WriteGeneratedSimulation(const std::filesystem::path& folder, int pages);

}  // namespace htmlsim::testing
