#pragma once

#include <string>

#include "linkcheck/LinkReport.h"
#include "services/Pictures.h"
#include "services/TextMeasurer.h"

namespace htmlsim {

// What reading the pages needs: pictures for the images' sizes (a service that only reads
// sizes is enough), and a measurer when the anchors should count as links.
struct LinkCheckServices {
    Pictures& pictures;
    const TextMeasurer* measurer = nullptr;
};

// Walks every page reachable from the local page at `startPath` through the links of its areas,
// linked images and anchors, breadth first, reading each page's file once and writing nothing.
// Links with a scheme (http:, mailto:, ...) are not files and are left alone;
// "javascript:history.back()" is the way back. Only files with the start page's extension are
// walked as pages; other linked files need only exist. Throws RuntimeError when the start page
// cannot be read.
LinkReport CheckLinks(const std::string& startPath, const LinkCheckServices& services);

}  // namespace htmlsim
