#include "import/AreaImport.h"

#include <algorithm>

#include "import/ImportValues.h"
#include "import/StyleItems.h"
#include "model/WrittenElements.h"
#include "util/JavaScriptString.h"
#include "util/Numbers.h"
#include "util/RuntimeError.h"
#include "util/Text.h"
#include "util/WholeNumber.h"

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

// One coordinate. Plain whole numbers, as nearly all coordinates are, are added up digit by
// digit, exactly as the general reader would read them, which is much slower.
double CoordinateNumber(std::string_view text) {
    constexpr size_t kExactDigits = 15;  // a double holds every whole number of 15 digits
    if (text.size() > kExactDigits) {
        return LeadingNumber(text);
    }
    double value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return LeadingNumber(text);
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// The numbers of a COORDS value, separated by commas, blanks or both, as browsers read them.
std::vector<double> CoordinateNumbers(std::string_view coords) {
    std::vector<double> numbers;
    numbers.reserve(4);  // a rectangle's, with one allocation
    auto separates = [](char c) { return c == ',' || c == ';' || IsHtmlSpace(c); };
    for (size_t at = 0; at < coords.size();) {
        if (separates(coords[at])) {
            ++at;
            continue;
        }
        const size_t start = at;
        while (at < coords.size() && !separates(coords[at])) {
            ++at;
        }
        numbers.push_back(CoordinateNumber(coords.substr(start, at - start)));
    }
    return numbers;
}

void RequireCoordinates(const std::vector<double>& numbers, size_t needed,
                        std::string_view coords) {
    if (numbers.size() < needed) {
        const char* words[] = {"", "", "", "three", "four", "", "six"};
        throw RuntimeError(std::string("Fewer than ") + words[needed] + " coordinates: '" +
                           std::string(coords) + "'");
    }
}

AreaShapeKind ShapeKindOf(std::string_view shape) {
    const std::string_view name = TrimBlanks(shape);
    const auto is = [name](std::string_view word) { return EqualsIgnoreCase(name, word); };
    if (is("circle") || is("circ")) {
        return AreaShapeKind::Circle;
    }
    if (is("poly") || is("polygon")) {
        return AreaShapeKind::Polygon;
    }
    if (is("default")) {
        return AreaShapeKind::Default;
    }
    return AreaShapeKind::Rect;
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

// The writer names each balloon after its image ("Balloon_2"); any other id is image 1's.
int BalloonImage(std::string_view id, const PageDesign& design) {
    constexpr std::string_view kPrefix = "Balloon_";
    if (!id.starts_with(kPrefix)) {
        return 1;
    }
    const std::optional<int16_t> number = WholeNumber16(id.substr(kPrefix.size()));
    return number && *number >= 1 && *number <= design.ImageCount() ? *number : 1;
}

}  // namespace

ClickableArea& MakeArea(ImportContext& context, int imageNumber, const AreaCorners& corners,
                        const std::string& prefix, CornersFrom from) {
    PageDesign& design = context.design;
    const ImageProperties& image = design.Image(imageNumber);
    const int index = design.Shapes.NextFreeShapeIndex(context.surface);
    const bool onImage = from == CornersFrom::Image;
    const double left = (onImage ? image.Left : 0) + corners.x1;
    const double top = (onImage ? image.Top : 0) + corners.y1;
    const double width = corners.x2 - corners.x1;
    const double height = corners.y2 - corners.y1;
    constexpr std::string_view kNumbered = "_Area_";
    std::string name;
    name.reserve(prefix.size() + kNumbered.size() + 11);  // enough for any index
    name.append(prefix).append(kNumbered).append(std::to_string(index));
    design.Areas.Add(name, RoundToInt16(height), RoundToInt16(width), RoundToInt16(top),
                     RoundToInt16(left), static_cast<int16_t>(index), AreaKey(index),
                     static_cast<int16_t>(imageNumber));
    design.Shapes.Place(context.surface, index, left, top, width, height);
    design.CurrentClickableArea = design.Areas.Item(design.Areas.Count());
    return *design.CurrentClickableArea;
}

ClickableArea& ImportArea(HtmlTag tag, int imageNumber, ImportContext& context) {
    const std::string_view coords = tag.View("Coords");
    const std::vector<double> numbers = CoordinateNumbers(coords);
    const ImageProperties& image = context.design.Image(imageNumber);
    const AreaShapeKind kind = ShapeKindOf(tag.View("Shape"));
    AreaShape shape;
    AreaCorners corners;
    if (kind == AreaShapeKind::Circle) {
        RequireCoordinates(numbers, 3, coords);
        const int32_t x = RoundToInt16(numbers[0]);
        const int32_t y = RoundToInt16(numbers[1]);
        const int32_t radius = RoundToInt16(numbers[2]);
        shape = AreaShape::Circle({image.Left + x, image.Top + y}, radius);
        corners = {double(x - radius), double(y - radius), double(x + radius), double(y + radius)};
    } else if (kind == AreaShapeKind::Polygon) {
        RequireCoordinates(numbers, 6, coords);
        std::vector<ShapePoint> points;
        for (size_t i = 0; i + 1 < numbers.size(); i += 2) {
            points.push_back(
                {image.Left + RoundToInt16(numbers[i]), image.Top + RoundToInt16(numbers[i + 1])});
        }
        shape = AreaShape::Polygon(std::move(points));
        const ShapeBox& box = shape.Bounds();
        corners = {double(box.Left - image.Left), double(box.Top - image.Top),
                   double(box.Left - image.Left + box.Width),
                   double(box.Top - image.Top + box.Height)};
    } else if (kind == AreaShapeKind::Default) {
        shape = AreaShape::DefaultArea({image.Left, image.Top, image.Width, image.Height});
        corners = {0, 0, double(image.Width), double(image.Height)};
    } else {
        RequireCoordinates(numbers, 4, coords);
        corners = {numbers[0], numbers[1], numbers[2], numbers[3]};
    }
    ClickableArea& area = MakeArea(context, imageNumber, corners, image.MapName);
    area.Shape = std::move(shape);
    area.LinkAddress = tag.Take("href");
    area.Title = tag.Take("title");
    return area;
}

void ImportCanvasAreas(std::shared_ptr<SectionLayout> layout, ImportContext& context) {
    const int canvas = CanvasOfAreaList(context.design);
    const std::string_view list = layout->Body;
    for (size_t start = 0; start < list.size();) {
        const size_t next = std::min(list.find('\n', start), list.size() - 1) + 1;
        std::string_view line = list.substr(start, next - start);
        while (line.ends_with('\n') || line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.starts_with("Areas.push")) {
            const std::string_view text = Unquote(ParenthesisContent(line));
            const std::vector<std::string_view> values = SplitText(text, ",");
            if (values.size() < 6) {
                throw RuntimeError("Fewer than six values in '" + std::string(line) + "'");
            }
            const ImageProperties& image = context.design.Image(canvas);
            ClickableArea& area = MakeArea(context, canvas, CornersOf(values, line), image.Id);
            area.LinkAddress = JavaScriptStringText(values[4]);
            area.Title.clear();
            area.SetClickType(values[5]);
            auto origin = std::make_shared<ElementOrigin>();
            origin->Kind = OriginKind::CanvasArea;
            origin->Start = static_cast<BodyOffset>(start);
            origin->End = static_cast<BodyOffset>(next);
            origin->ContentRead = true;
            origin->ContentStart = static_cast<BodyOffset>(text.data() - list.data());
            origin->ContentEnd = static_cast<BodyOffset>(origin->ContentStart + text.size());
            origin->ValuesAsRead = PackedValues(CanvasAreaValues(area, image));
            area.Origin = origin;
            layout->Elements.push_back(std::move(origin));
        }
        start = next;
    }
    context.design.CanvasAreasLayout = std::move(layout);
}

ClickableArea& ImportBalloon(const AttributeTable& attributes, std::string_view innerText,
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
    const int image = BalloonImage(GetAttribute(attributes, "id"), context.design);
    ClickableArea& balloon =
        MakeArea(context, image, corners, context.design.Image(image).MapName, CornersFrom::Page);
    balloon.AreaType = kAreaBalloon;
    balloon.EditBalloon() = {colour, radius, std::string(innerText)};
    return balloon;
}

}  // namespace htmlsim
