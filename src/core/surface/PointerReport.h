#pragma once

#include <string>

#include "model/PageDesign.h"

namespace htmlsim {

// What the status bar says about a point of the page: its coordinates, the image under it
// (the one a press would grab) and the area or balloon there, with where the area leads.
// "120, 45   Image 1 'shot.png' (image map)   Area 'Map1_Area_1' -> next.html"
std::string DescribePoint(const PageDesign& design, float x, float y);

// The selected area's name and rectangle: "Selected: 'Map1_Area_1' at 110, 60, 50 x 30".
std::string DescribeSelection(const ClickableArea& area);

}  // namespace htmlsim
