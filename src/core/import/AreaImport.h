#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "document/HtmlTag.h"
#include "import/AttributeTable.h"
#include "import/ImportContext.h"

namespace htmlsim {

// Corners of an area relative to its image, as read from the document.
struct AreaCorners {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Where read corners count from: the image's top left corner (map and canvas areas) or the
// page's (balloons, which a browser places on the page).
enum class CornersFrom { Image, Page };

// Adds an area on image `imageNumber` with its outline, named prefix + "_Area_" + its outline
// number, and makes it the current area.
ClickableArea& MakeArea(ImportContext& context, int imageNumber, const AreaCorners& corners,
                        const std::string& prefix, CornersFrom from = CornersFrom::Image);

// An AREA element becomes an area of image `imageNumber` with its SHAPE (rect, circle,
// poly/polygon or default), its link and its title. RuntimeError when it has too few
// coordinates for its shape. The tag's texts are taken over.
ClickableArea& ImportArea(HtmlTag area, int imageNumber, ImportContext& context);

// The "Areas.push(...)" lines of a canvas area list become areas of the last canvas image
// (image 1 when there is none). The layout holding the list as read becomes the design's, for
// writing the list again.
void ImportCanvasAreas(std::shared_ptr<SectionLayout> areaList, ImportContext& context);

// One balloon of image 1 from a DIV's attributes and inner text.
ClickableArea& ImportBalloon(const AttributeTable& attributes, std::string_view innerText,
                             ImportContext& context);

}  // namespace htmlsim
