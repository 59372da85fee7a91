#include "surface/DesignOperations.h"

#include "surface/BalloonLooks.h"
#include "surface/PageBackground.h"
#include "util/Numbers.h"

namespace htmlsim {

void DrawImage(const PageDesign& design, Surface& surface, int imageIndex, RasterOp op) {
    const ImageProperties& image = design.Image(imageIndex);
    surface.PaintPicture(image.PCT.get(), image.Left, image.Top, image.Width, image.Height, op);
}

void PlaceAreaOutline(PageDesign& design, Surface& surface, const ClickableArea& area) {
    design.Shapes.Place(surface, area.Index, area.Left, area.Top, area.Width, area.Height,
                        area.Outline());
    if (area.AreaType == kAreaBalloon) {
        surface.DressBalloon(area.Index, BalloonLookOf(area));
    }
}

void PlaceArea(PageDesign& design, Surface& surface, ClickableArea& area, AreaGeometry geometry) {
    area.Left = RoundToInt16(geometry.Box.Left);
    area.Top = RoundToInt16(geometry.Box.Top);
    area.Width = RoundToInt16(geometry.Box.Width);
    area.Height = RoundToInt16(geometry.Box.Height);
    area.Shape = std::move(geometry.Shape);
    PlaceAreaOutline(design, surface, area);
}

void ShapeAreaOutlines(PageDesign& design, Surface& surface) {
    for (const ClickableAreaPtr& area : design.Areas) {
        if (area->Shape.Kind() != AreaShapeKind::Rect || area->AreaType == kAreaBalloon) {
            PlaceAreaOutline(design, surface, *area);
        }
    }
}

void FinishDesignSurface(PageDesign& design, Surface& surface, PageControls* controls,
                         const std::vector<std::string>& styleSheets) {
    ShapeAreaOutlines(design, surface);
    surface.SetPageBackground(BodyBackground(styleSheets));
    if (controls) {
        controls->SetSheetFonts(ElementFont(styleSheets, "label"), ElementFont(styleSheets, "a"));
    }
}

void RefreshShape(PageDesign& design, Surface& surface) {
    ClickableArea& area = *design.CurrentClickableArea;
    if (area.Width <= kSmallestOutlineSide) {
        area.Width = kSmallestOutlineSide;
    }
    if (area.Height <= kSmallestOutlineSide) {
        area.Height = kSmallestOutlineSide;
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
