#include "surface/HitTest.h"

namespace htmlsim {

int16_t HitTestImage(const PageDesign& design, float x, float y) {
    for (int16_t i = 1; i <= design.ImageCount(); ++i) {
        const ImageProperties& image = design.Image(i);
        if (image.Left < x && x < image.Left + image.Width && image.Top < y &&
            y < image.Top + image.Height) {
            return i;
        }
    }
    return 0;
}

ClickableAreaPtr AreaAt(const PageDesign& design, int imageIndex, float x, float y,
                        const char* clickType) {
    for (const ClickableAreaPtr& area : design.Areas) {
        if (area->ImageID == imageIndex && (!clickType || area->ClickType() == clickType) &&
            area->IsWithin(x, y)) {
            return area;
        }
    }
    return nullptr;
}

}  // namespace htmlsim
