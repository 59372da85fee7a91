#include "surface/PointerReport.h"

#include <cmath>

#include "surface/HitTest.h"

namespace htmlsim {

namespace {

constexpr const char* kGap = "   ";

const char* KindName(int32_t imageType) {
    switch (imageType) {
        case kImageHyperlink:
            return "hyperlink";
        case kImageMap:
            return "image map";
        case kImageCanvas:
            return "canvas";
        default:
            return "picture";
    }
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

std::string AreaText(const ClickableArea& area, const ImageProperties& image) {
    if (area.AreaType == kAreaBalloon) {
        return "Balloon " + Quoted(area.Name);
    }
    std::string text = "Area " + Quoted(area.Name) + " -> " + area.LinkAddress;
    if (image.ImageType == kImageCanvas) {
        text += " (" + area.ClickType() + " click)";
    }
    return text;
}

}  // namespace

std::string DescribePoint(const PageDesign& design, float x, float y) {
    std::string text = std::to_string(std::lround(x)) + ", " + std::to_string(std::lround(y));
    const int16_t index = HitTestImage(design, x, y);
    if (index == 0) {
        return text;
    }
    const ImageProperties& image = design.Image(index);
    text += kGap + std::string("Image ") + std::to_string(index) + " " + Quoted(image.SRC) + " (" +
            KindName(image.ImageType) + ")";
    if (image.ImageType == kImageHyperlink) {
        text += " -> " + image.HREF;
    }
    try {
        if (const ClickableAreaPtr area = AreaAt(design, index, x, y)) {
            text += kGap + AreaText(*area, image);
        }
    } catch (const std::exception&) {
        // An area too far out to be measured cannot be under the pointer.
    }
    return text;
}

std::string DescribeSelection(const ClickableArea& area) {
    return "Selected: " + Quoted(area.Name) + " at " + std::to_string(area.Left) + ", " +
           std::to_string(area.Top) + ", " + std::to_string(area.Width) + " x " +
           std::to_string(area.Height);
}

}  // namespace htmlsim
