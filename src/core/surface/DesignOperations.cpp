#include "surface/DesignOperations.h"

namespace htmlsim {

void DrawImage(const PageDesign& design, Surface& surface, int imageIndex, RasterOp op) {
    const ImageProperties& image = design.Image(imageIndex);
    surface.PaintPicture(image.PCT.get(), image.Left, image.Top, image.Width, image.Height, op);
}

void PlaceAreaOutline(PageDesign& design, Surface& surface, const ClickableArea& area) {
    design.Shapes.Place(surface, area.Index, area.Left, area.Top, area.Width, area.Height,
                        area.Outline());
}

void ShapeAreaOutlines(PageDesign& design, Surface& surface) {
    for (const ClickableAreaPtr& area : design.Areas) {
        if (area->Shape.Kind() != AreaShapeKind::Rect) {
            PlaceAreaOutline(design, surface, *area);
        }
    }
}

void RefreshShape(PageDesign& design, Surface& surface) {
    constexpr int16_t kSmallest = 5;
    ClickableArea& area = *design.CurrentClickableArea;
    if (area.Width <= kSmallest) {
        area.Width = kSmallest;
    }
    if (area.Height <= kSmallest) {
        area.Height = kSmallest;
    }
    PlaceAreaOutline(design, surface, area);
}

void ClearAreasAndPicture(PageDesign& design, Surface& surface) {
    for (const ClickableAreaPtr& area : design.Areas) {
        if (area->Index != 0) {
            design.Shapes.Unload(surface, area->Index);
        }
    }
    design.Areas.Clear();
    surface.ClearPicture();
    design.Shapes.Hide(surface, 0);
}

void ClearDesign(PageDesign& design, Surface& surface) {
    ClearAreasAndPicture(design, surface);
    design.ClearImages();
    design.CurrentImage = nullptr;
}

}  // namespace htmlsim
