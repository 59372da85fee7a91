#pragma once

#include <QImage>
#include <string>

#include "TempFolder.h"

namespace htmlsim::testing {

// A page of three overlapping pictures in a folder: red (50 x 40 stretched to 100 x 80) at
// 0,0 as an image map with one area at 10,10 of 20 x 20 and a balloon at 20,50 of 20 x 20;
// green 100 x 80 at 50,40; blue 80 x 60 from a subfolder at 120,100. Returns the page's path.
std::string WriteOverlappingPage(const TempFolder& folder);

// Checks a picture of the surface against that page; reports each wrong pixel.
void ExpectOverlappingPage(const QImage& shown);

}  // namespace htmlsim::testing
