#pragma once

#include <string>
#include <string_view>

#include "model/PageDesign.h"

namespace htmlsim {

// The texts that the design writes into its sections. Each line ends with the document's line
// break. They fail with RuntimeError (OverflowError for a
// coordinate outside 16 bits, or a balloon while there is no image 1).

// Gives every canvas image without an Id the id "Canvas_" + its position.
void AssignCanvasIds(PageDesign& design);
std::string WrittenCanvasId(const ImageProperties& canvas);

// The "Images" body: the body as read with only what changed written again, and one element
// per image added since, each image map followed by its map.
std::string ImagesSectionBody(const PageDesign& design, std::string_view lineBreak);

// The "CanvasScript_Bottom" body: the script that draws canvas image `canvas` and its areas.
std::string CanvasScriptBottomBody(const ImageProperties& canvas, std::string_view lineBreak);
// The same written over the script as read: only the lines whose values changed are replaced.
std::string CanvasScriptBottomBody(const PageDesign& design, const ImageProperties& canvas,
                                   std::string_view lineBreak);

// The "CanvasScript_Top" body: the area list of canvas image `canvas`: the list as read with only
// what changed written again, and the areas added since.
std::string CanvasScriptTopBody(const PageDesign& design, const ImageProperties& canvas,
                                std::string_view lineBreak);

// The "Balloons" body: the balloons of every image, each relative to its image and named after
// it ("Balloon_2"): the body as read with only what changed written again, and those added since.
std::string BalloonsSectionBody(const PageDesign& design, std::string_view lineBreak);

}  // namespace htmlsim
