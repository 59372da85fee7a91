#include "session/CommandReasons.h"

namespace htmlsim {

std::string WhyCannotDraw(const PageDesign& design, int drawKind) {
    if (!design.CurrentImage) {
        return "Insert a picture first, or right-click a picture to choose it";
    }
    const int32_t type = design.CurrentImage->ImageType;
    if (drawKind == kAreaClickable && type != kImageMap && type != kImageCanvas) {
        return "The chosen picture is a plain image or a link: make it an image map or a canvas "
               "in its Properties";
    }
    return {};
}

}  // namespace htmlsim
