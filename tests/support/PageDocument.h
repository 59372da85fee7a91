#pragma once

#include <string>
#include <utility>
#include <vector>

namespace htmlsim::testing {

// A small HTML page holding the given sections, in order, each body as given.
std::string PageDocument(const std::vector<std::pair<std::string, std::string>>& sections);

// The sections every page of the editor has, with these bodies for the design's sections.
std::string DesignDocument(const std::string& images, const std::string& canvasTop = "",
                           const std::string& balloons = "");

// tests/data/surface/three-images.html: a design page of three images, pictures "shot.png": 1
// an image map "Map1" at 100,50 (200 x 150) with one area at 110,60 - 160,90 linking to
// next.html; 2 a hyperlink image at 400,50 (100 x 100) linking to linked.html; 3 a canvas at
// 100,300 (200 x 100) with a left-click area at 110,310 - 140,330 and a right-click area at
// 150,310 - 180,330.
std::string ThreeImagesPage();

}  // namespace htmlsim::testing
