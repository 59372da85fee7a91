#pragma once

#include <string>
#include <vector>

#include "model/PageDesign.h"
#include "services/Surface.h"
#include "surface/AreaHandles.h"
#include "surface/PageControls.h"

namespace htmlsim {

// Paints image `imageIndex` of the design at its place and size (Copy), or fills its rectangle
// white (White). A RuntimeError when there is no such image.
void DrawImage(const PageDesign& design, Surface& surface, int imageIndex, RasterOp op);

// Puts the area's outline where the area is, along its circle or polygon where it has one.
void PlaceAreaOutline(PageDesign& design, Surface& surface, const ClickableArea& area);

// The area takes this place and outline (rounded into its 16-bit fields), and its outline on the
// surface follows.
void PlaceArea(PageDesign& design, Surface& surface, ClickableArea& area, AreaGeometry geometry);

// The outlines of the circles and polygons follow their shapes, and balloons are dressed (after
// an import, which places every outline as a plain rectangle first).
void ShapeAreaOutlines(PageDesign& design, Surface& surface);

// After an import: circles, polygons and balloons shown as they are (ShapeAreaOutlines), and the
// page's background, labels and anchors as these style sheets give them (see PageBackground.h).
void FinishDesignSurface(PageDesign& design, Surface& surface, PageControls* controls,
                         const std::vector<std::string>& styleSheets);

// Brings the outline of the current area into line with it; an area narrower or lower than
// 5 pixels is widened to 5 first, in the model as well (a circle stays round).
void RefreshShape(PageDesign& design, Surface& surface);

// Drops every area and its outline and clears the surface's picture.
void ClearAreasAndPicture(PageDesign& design, Surface& surface);

// Empties the design before another document is read in.
void ClearDesign(PageDesign& design, Surface& surface);

}  // namespace htmlsim
