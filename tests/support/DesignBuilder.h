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

// An image of every kind (an image map a.jpg, a linked ./b.png, a plain /doc/b.png with a border
// and a left beyond the page, a canvas a.jpg and a second image map b.png), areas with and without
// links (one reaching left of its image, one on the canvas for the right button, a back link on
// the second map) and a balloon on the first image.
inline void AddEveryKind(PageDesign& design) {
    AddImage(design, kImageMap, "a.jpg", {10, 20, 200, 150}).MapName = "Map1";
    ImageProperties& linked = AddImage(design, kImageHyperlink, "./b.png", {300, 0, 100, 50});
    linked.HREF = "next.htm";
    linked.Title = "Go on";
    AddImage(design, kImagePlain, "/doc/b.png", {-4, 7, 10, 5}).Border = 1;
    AddImage(design, kImageCanvas, "a.jpg", {0, 400, 400, 300});
    AddImage(design, kImageMap, "b.png", {500, 500, 100, 50}).MapName = "Second";

    AddArea(design, 1, {30, 40, 50, 25}).LinkAddress = "page2.htm";
    AddArea(design, 1, {5, 20, 10, 10}).Title = "No link";
    AddArea(design, 5, {510, 505, 20, 20}).LinkAddress = "javascript:history.back()";
    ClickableArea& onCanvas = AddArea(design, 4, {10, 410, 30, 30});
    onCanvas.LinkAddress = "canvas.htm";
    onCanvas.SetClickType("right");
    ClickableArea& balloon = AddArea(design, 1, {60, 80, 100, 40}, kAreaBalloon);
    balloon.EditBalloon() = {"salmon", "5", "Click <b>here</b>"};
}

}  // namespace htmlsim::testing
