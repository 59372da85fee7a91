#pragma once

#include <cstdint>

#include "model/PageDesign.h"

namespace htmlsim {

// The lowest-numbered image whose inside (edges excluded) holds the point; 0 when none does.
// Where images overlap the lower number wins, although the higher one is painted on top.
int16_t HitTestImage(const PageDesign& design, float x, float y);

// The first area or balloon of image `imageIndex`, in the collection's order, that holds the
// point (edges included), optionally only one demanding the given click type; nullptr when none.
ClickableAreaPtr AreaAt(const PageDesign& design, int imageIndex, float x, float y,
                        const char* clickType = nullptr);

}  // namespace htmlsim
