#pragma once

#include <string>
#include <vector>

#include "linkcheck/LinkReport.h"

namespace htmlsim {

class PageDesign;
class PageControls;

// A link a viewer can click: the element it sits on, its address as written, and the click
// it needs ("left" or "right").
struct PageLink {
    std::string element;
    std::string address;
    std::string clickType;
};

// Every link of a page: the clickable areas of all its images (image maps and canvas areas),
// linked images, and anchors when the page controls were read.
std::vector<PageLink> CollectPageLinks(const PageDesign& design, const PageControls* controls);

// The problems of a page's design by itself: areas without a link, image-map areas without a
// Title, and areas or balloons outside their image.
void CheckPageDesign(const PageDesign& design, const std::string& pageName,
                     std::vector<LinkProblem>& problems);

}  // namespace htmlsim
