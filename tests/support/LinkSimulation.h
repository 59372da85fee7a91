#pragma once

#include <filesystem>

namespace htmlsim::testing {

// The pages and pictures of tests/corpus/check/one-problem-of-each-kind, for the link check.
// start.html (an image map) links to next.html, to missing.html, to dead.html, has one area
// without a link, one without a Title and one reaching past its image's right edge, and an
// anchor and an http link; next.html (a canvas) leads back to start.html with a right click;
// dead.html has no link at all; orphan.html is linked by no page. One problem of each kind.
void WriteFlawedSimulation(const std::filesystem::path& folder);

}  // namespace htmlsim::testing
