#pragma once

#include <string>

#include "model/PageDesign.h"

namespace htmlsim {

// The texts that the design writes into its sections. Each line ends with CR LF; attribute
// values are written as they stand. They fail with RuntimeError (OverflowError for a
// coordinate outside 16 bits, or a balloon while there is no image 1).

// Gives every canvas image without an Id the id "Canvas_" + its position.
void AssignCanvasIds(PageDesign& design);

// The "Images" body: one element per image in order, each image map followed by its map.
std::string ImagesSectionBody(const PageDesign& design);

// The "CanvasScript_Bottom" body: the script that draws canvas image `canvas` and its areas.
std::string CanvasScriptBottomBody(const ImageProperties& canvas);

// The "CanvasScript_Top" body: the area list of canvas image `canvas`.
std::string CanvasScriptTopBody(const PageDesign& design, const ImageProperties& canvas);

// The "Balloons" body: the balloons of image 1, relative to it.
std::string BalloonsSectionBody(const PageDesign& design);

}  // namespace htmlsim
