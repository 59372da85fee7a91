#include "model/WrittenElements.h"

#include "model/ElementPatch.h"
#include "util/JavaScriptString.h"
#include "util/Numbers.h"

namespace htmlsim {

namespace {

std::string Number(long value) {
    return std::to_string(value);
}

std::string Pixels(long value) {
    return Number(value) + "px";
}

std::string ShapeName(AreaShapeKind kind) {
    switch (kind) {
        case AreaShapeKind::Circle:
            return "circle";
        case AreaShapeKind::Polygon:
            return "poly";
        case AreaShapeKind::Default:
            return "default";
        case AreaShapeKind::Rect:
            break;
    }
    return "rect";
}

long Relative(int32_t page, int16_t origin) {
    return RoundToInt16(static_cast<double>(page) - origin);
}

// COORDS as the area's shape needs them, relative to the image; none for the default area.
std::string CoordsText(const ClickableArea& area, const ImageProperties& image) {
    const AreaOutline outline = area.Outline();
    switch (outline.Kind) {
        case AreaShapeKind::Rect:
            return JoinedCorners(CornersOn(area, image));
        case AreaShapeKind::Default:
            return "";
        case AreaShapeKind::Circle:
            return Number(Relative(outline.Points[0].X, image.Left)) + "," +
                   Number(Relative(outline.Points[0].Y, image.Top)) + "," + Number(outline.Radius);
        case AreaShapeKind::Polygon:
            break;
    }
    std::string coords;
    for (const ShapePoint& point : outline.Points) {
        coords += (coords.empty() ? "" : ",") + Number(Relative(point.X, image.Left)) + "," +
                  Number(Relative(point.Y, image.Top));
    }
    return coords;
}

void AddSizeAndPlace(const ImageProperties& image, size_t tag, WrittenValues& values) {
    values.push_back({tag, "BORDER", Number(image.Border)});
    values.push_back({tag, "Width", Number(image.Width)});
    values.push_back({tag, "Height", Number(image.Height)});
    values.push_back({tag, "style:left", Pixels(image.Left)});
    values.push_back({tag, "style:top", Pixels(image.Top)});
}

std::string SizeAttributes(const ImageProperties& image) {
    return WrittenAttribute("BORDER", Number(image.Border)) +
           WrittenAttribute("Width", Number(image.Width)) +
           WrittenAttribute("Height", Number(image.Height)) +
           WrittenAttribute("STYLE", "position:absolute; left:" + Pixels(image.Left) +
                                         "; top:" + Pixels(image.Top));
}

std::string ImgStart(const ImageProperties& image) {
    return "<IMG" + WrittenAttribute("SRC", image.SRC) + WrittenAttribute("Name", image.Name);
}

std::string BalloonId(const ClickableArea& balloon) {
    return "Balloon_" + Number(balloon.ImageID);
}

// A radius read without one is none; the program's own balloons always name it.
std::string RadiusPixels(const std::string& radius) {
    return radius.empty() ? radius : radius + "px";
}

std::string CanvasAreaText(const ClickableArea& area, const ImageProperties& canvas) {
    return JoinedCorners(CornersOn(area, canvas)) + "," +
           JavaScriptStringContent(area.LinkAddress) + "," + area.ClickType();
}

}  // namespace

Corners CornersOn(const ClickableArea& area, const ImageProperties& image) {
    const long x1 = RoundToInt16(static_cast<double>(area.Left) - image.Left);
    const long y1 = RoundToInt16(static_cast<double>(area.Top) - image.Top);
    return {x1, y1, x1 + area.Width, y1 + area.Height};
}

Corners CornersOnPage(const ClickableArea& area) {
    return {area.Left, area.Top, area.Left + area.Width, area.Top + area.Height};
}

std::string JoinedCorners(const Corners& c) {
    return Number(c.x1) + "," + Number(c.y1) + "," + Number(c.x2) + "," + Number(c.y2);
}

WrittenValues ImageValues(const ImageProperties& image) {
    WrittenValues values;
    if (image.ImageType == kImageCanvas) {
        values.push_back({0, "id", image.Id});
        values.push_back({0, "SRC", image.SRC});
        values.push_back({0, "width", Number(image.Width)});
        values.push_back({0, "Height", Number(image.Height)});
        values.push_back({0, "style:left", Pixels(image.Left)});
        values.push_back({0, "style:top", Pixels(image.Top)});
        return values;
    }
    size_t img = 0;
    if (image.ImageType == kImageHyperlink) {
        values.push_back({0, "HREF", image.HREF});
        img = 1;
    }
    values.push_back({img, "SRC", image.SRC});
    values.push_back({img, "Name", image.Name});
    if (image.ImageType == kImageHyperlink) {
        values.push_back({img, "TITLE", image.Title});
    }
    AddSizeAndPlace(image, img, values);
    if (image.ImageType == kImageMap) {
        values.push_back({img, "UseMap", "#" + image.MapName});
    }
    return values;
}

WrittenValues MapValues(const ImageProperties& image) {
    return {{0, "name", image.MapName}};
}

WrittenValues AreaValues(const ClickableArea& area, const ImageProperties& image) {
    return {{0, "COORDS", CoordsText(area, image)},
            {0, "Title", area.Title},
            {0, "HREF", area.LinkAddress}};
}

std::string NewImageElement(const ImageProperties& image, std::string_view lineBreak) {
    const std::string end(lineBreak);
    switch (image.ImageType) {
        case kImagePlain:
            return ImgStart(image) + SizeAttributes(image) + "/>" + end;
        case kImageHyperlink:
            return "<a" + WrittenAttribute("HREF", image.HREF) + ">" + ImgStart(image) +
                   WrittenAttribute("TITLE", image.Title) + SizeAttributes(image) + "/></a>" + end;
        case kImageMap:
            return ImgStart(image) + SizeAttributes(image) +
                   WrittenAttribute("UseMap", "#" + image.MapName) + "/>" + end;
        case kImageCanvas:
            return "<canvas" + WrittenAttribute("id", image.Id) +
                   WrittenAttribute("SRC", image.SRC) +
                   WrittenAttribute("width", Number(image.Width)) +
                   WrittenAttribute("Height", Number(image.Height)) +
                   WrittenAttribute("style", "position:absolute; left:" + Pixels(image.Left) +
                                                 "; top:" + Pixels(image.Top)) +
                   " OnMouseUp='Canvas_MouseUp(this, event)' "
                   "OnMouseMove='Canvas_MouseMove(this, event)'></canvas>" +
                   end;
        default:
            return "";  // not a kind of element: nothing to write
    }
}

std::string NewMapStart(const ImageProperties& image, std::string_view lineBreak) {
    return "<map" + WrittenAttribute("name", image.MapName) + ">" + std::string(lineBreak);
}

std::string NewMapEnd(std::string_view lineBreak) {
    return "</map>" + std::string(lineBreak);
}

std::string NewAreaElement(const ClickableArea& area, const ImageProperties& image,
                           std::string_view lineBreak) {
    const AreaShapeKind kind = area.Shape.Kind();
    std::string element = "<AREA" + WrittenAttribute("SHAPE", ShapeName(kind));
    if (kind != AreaShapeKind::Default) {
        element += WrittenAttribute("COORDS", CoordsText(area, image));
    }
    element += WrittenAttribute("Title", area.Title);
    if (!area.LinkAddress.empty()) {
        element += WrittenAttribute("HREF", area.LinkAddress);
    }
    return element + "/> " + std::string(lineBreak);
}

WrittenValues BalloonValues(const ClickableArea& balloon) {
    const Corners c = CornersOnPage(balloon);
    return {{0, "id", BalloonId(balloon)},
            {0, "style:left", Pixels(c.x1)},
            {0, "style:top", Pixels(c.y1)},
            {0, "style:width", Number(c.x2 - c.x1)},
            {0, "style:height", Pixels(c.y2 - c.y1)},
            {0, "style:background-color", balloon.Balloon().BackgroundColor},
            {0, "style:border-radius", RadiusPixels(balloon.Balloon().BorderRadius)},
            {0, kElementContent, balloon.Balloon().InnerHTML}};
}

std::string NewBalloonElement(const ClickableArea& balloon, std::string_view lineBreak) {
    const Corners c = CornersOnPage(balloon);
    // Raised above the images, which follow the Balloons section on the page and would
    // otherwise cover every balloon.
    return "<div id='" + BalloonId(balloon) +
           "' style='position:absolute; z-index:1; left:" + Number(c.x1) +
           "px; top:" + Number(c.y1) + "px; width:" + Number(c.x2 - c.x1) +
           "; height:" + Number(c.y2 - c.y1) +
           "px;background-color:" + balloon.Balloon().BackgroundColor +
           "; border-radius:" + balloon.Balloon().BorderRadius +
           "px;' OnMouseDown=this.style.visibility='hidden'; "
           "OnMouseOut=this.style.visibility='visible';>" +
           balloon.Balloon().InnerHTML + "</div>" + std::string(lineBreak);
}

WrittenValues CanvasAreaValues(const ClickableArea& area, const ImageProperties& canvas) {
    return {{0, kElementContent, CanvasAreaText(area, canvas)}};
}

std::string NewCanvasAreaLine(const ClickableArea& area, const ImageProperties& canvas,
                              std::string_view lineBreak) {
    return "Areas.push('" + CanvasAreaText(area, canvas) + "');" + std::string(lineBreak);
}

}  // namespace htmlsim
