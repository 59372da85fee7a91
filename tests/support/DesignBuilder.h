#pragma once

#include <cstdint>
#include <string>

#include "model/AreaShape.h"
#include "model/PageDesign.h"

namespace htmlsim::testing {

// A design built in code, as the editor builds it: each image named after its place, each area
// numbered and keyed after the areas before it.

inline ImageProperties& AddImage(PageDesign& design, int32_t type, const std::string& src,
                                 const ShapeBox& box) {
    ImageProperties& image = design.AppendImage();
    image.ImageType = type;
    image.SRC = src;
    image.Name = "Image" + std::to_string(image.Index);
    image.Left = static_cast<int16_t>(box.Left);
    image.Top = static_cast<int16_t>(box.Top);
    image.Width = static_cast<int16_t>(box.Width);
    image.Height = static_cast<int16_t>(box.Height);
    return image;
}

inline ClickableArea& AddArea(PageDesign& design, int16_t imageID, const ShapeBox& box,
                              int32_t type = kAreaClickable) {
    const auto index = static_cast<int16_t>(design.Areas.Count() + 1);
    ClickableArea& area =
        *design.Areas.Add("Area" + std::to_string(index), static_cast<int16_t>(box.Height),
                          static_cast<int16_t>(box.Width), static_cast<int16_t>(box.Top),
                          static_cast<int16_t>(box.Left), index, AreaKey(index), imageID);
    area.AreaType = type;
    return area;
}

}  // namespace htmlsim::testing
