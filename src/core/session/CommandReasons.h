#pragma once

#include <string>

#include "model/PageDesign.h"

namespace htmlsim {

// Why "Draw Area" (drawKind 0) or "Draw Balloon" (1) cannot arm drawing on the design's current
// picture now; "" when it can. Areas need an image map or a canvas; balloons any picture.
std::string WhyCannotDraw(const PageDesign& design, int drawKind);

}  // namespace htmlsim
