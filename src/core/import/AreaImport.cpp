#include "import/AreaImport.h"

#include "import/ImportValues.h"
#include "import/StyleItems.h"
#include "import/TagScanner.h"
#include "util/Numbers.h"
#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

// The first four values of a comma-separated list as corners.
AreaCorners CornersOf(const std::vector<std::string_view>& values, std::string_view whole) {
    if (values.size() < 4) {
        throw RuntimeError("Fewer than four coordinates: '" + std::string(whole) + "'");
    }
    return {LeadingNumber(values[0]), LeadingNumber(values[1]), LeadingNumber(values[2]),
            LeadingNumber(values[3])};
}

// The writer keeps the area list of the last canvas image only, so the list belongs to it;
// without a canvas image it goes to image 1.
int CanvasOfAreaList(const PageDesign& design) {
    for (int i = design.ImageCount(); i >= 1; --i) {
        if (design.Image(i).ImageType == kImageCanvas) {
            return i;
        }
    }
    return 1;
}

}  // namespace

ClickableArea& MakeArea(ImportContext& context, int imageNumber, const AreaCorners& corners,
                        const std::string& prefix) {
    PageDesign& design = context.design;
    const ImageProperties& image = design.Image(imageNumber);
    const int index = design.Shapes.NextFreeShapeIndex(context.surface);
    const double left = image.Left + corners.x1;
    const double top = image.Top + corners.y1;
    const double width = corners.x2 - corners.x1;
    const double height = corners.y2 - corners.y1;
    design.Areas.Add(prefix + "_Area_" + std::to_string(index), RoundToInt16(height),
                     RoundToInt16(width), RoundToInt16(top), RoundToInt16(left),
                     static_cast<int16_t>(index), AreaKey(index),
                     static_cast<int16_t>(imageNumber));
    design.Shapes.Place(context.surface, index, left, top, width, height);
    design.CurrentClickableArea = design.Areas.Item(design.Areas.Count());
    return *design.CurrentClickableArea;
}

void ImportMapAreas(const ScanText& mapInner, int imageNumber, AttributeTable& attributes,
                    ImportContext& context) {
    ScanText rest = mapInner;
    do {
        const TagPieces element = NextTag(rest);
        ParseAttributes(element.attributes, attributes);
        if (element.tagName == "AREA") {
            const std::string coords = GetAttribute(attributes, "Coords");
            const std::string prefix = context.design.Image(imageNumber).MapName;
            ClickableArea& area =
                MakeArea(context, imageNumber, CornersOf(SplitText(coords, ","), coords), prefix);
            area.LinkAddress = GetAttribute(attributes, "href");
            area.Title = GetAttribute(attributes, "title");
        }
        rest = element.remainder;
    } while (!rest.Empty());
}

void ImportCanvasAreas(std::string_view areaList, ImportContext& context) {
    const int canvas = CanvasOfAreaList(context.design);
    for (const std::string_view line : SplitText(areaList, "\r\n")) {
        if (!line.starts_with("Areas.push")) {
            continue;
        }
        const std::vector<std::string_view> values =
            SplitText(Unquote(ParenthesisContent(line)), ",");
        if (values.size() < 6) {
            throw RuntimeError("Fewer than six values in '" + std::string(line) + "'");
        }
        ClickableArea& area =
            MakeArea(context, canvas, CornersOf(values, line), context.design.Image(canvas).Id);
        area.LinkAddress = std::string(values[4]);
        area.Title.clear();
        area.SetClickType(values[5]);
    }
}

void ImportBalloon(const AttributeTable& attributes, std::string_view innerText,
                   ImportContext& context) {
    AreaCorners corners;
    std::string colour;
    std::string radius;
    // Width and height count from the left and top read before them, as the writer orders them.
    ForEachStyleItem(GetAttribute(attributes, "Style"),
                     [&](const std::string& name, const std::string& value) {
                         if (name == "LEFT") {
                             corners.x1 = StyleLength(value);
                         } else if (name == "TOP") {
                             corners.y1 = StyleLength(value);
                         } else if (name == "WIDTH") {
                             corners.x2 = corners.x1 + StyleLength(value);
                         } else if (name == "HEIGHT") {
                             corners.y2 = corners.y1 + StyleLength(value);
                         } else if (name == "BACKGROUND-COLOR") {
                             colour = value;
                         } else if (name == "BORDER-RADIUS") {
                             radius = value.substr(0, value.find("px"));
                         }
                     });
    ClickableArea& balloon = MakeArea(context, 1, corners, context.design.Image(1).MapName);
    balloon.AreaType = kAreaBalloon;
    balloon.BackgroundColor = colour;
    balloon.BorderRadius = radius;
    balloon.InnerHTML = std::string(innerText);
}

}  // namespace htmlsim
