#include "model/SectionBodies.h"

#include "util/Numbers.h"

namespace htmlsim {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string Number(long value) {
    return std::to_string(value);
}

// An area's corners relative to the image it lies on.
struct Corners {
    long x1, y1, x2, y2;
};

Corners CornersOn(const ClickableArea& area, const ImageProperties& image) {
    const long x1 = RoundToInt16(static_cast<double>(area.Left) - image.Left);
    const long y1 = RoundToInt16(static_cast<double>(area.Top) - image.Top);
    return {x1, y1, x1 + area.Width, y1 + area.Height};
}

std::string JoinedCorners(const Corners& c) {
    return Number(c.x1) + "," + Number(c.y1) + "," + Number(c.x2) + "," + Number(c.y2);
}

bool IsClickableAreaOf(const ClickableArea& area, const ImageProperties& image) {
    return area.AreaType == kAreaClickable && area.ImageID == image.Index;
}

// The clickable areas of each image in collection order, indexed by image number, so that a
// page with many image maps walks its areas once.
using AreasByImage = std::vector<std::vector<const ClickableArea*>>;

AreasByImage ClickableAreasByImage(const PageDesign& design) {
    AreasByImage byImage(static_cast<size_t>(design.ImageCount()) + 1);
    for (const ClickableAreaPtr& area : design.Areas) {
        if (area->AreaType == kAreaClickable && area->ImageID >= 1 &&
            area->ImageID <= design.ImageCount()) {
            byImage[static_cast<size_t>(area->ImageID)].push_back(area.get());
        }
    }
    return byImage;
}

std::string SizeAttributes(const ImageProperties& image) {
    return "' BORDER='" + Number(image.Border) + "' Width='" + Number(image.Width) + "' Height='" +
           Number(image.Height) + "' STYLE='position:absolute; left:" + Number(image.Left) +
           "px; top:" + Number(image.Top) + "px'";
}

std::string ImgStart(const ImageProperties& image) {
    return "<IMG SRC='" + image.SRC + "' Name='" + image.Name;
}

void AppendImageMap(const std::vector<const ClickableArea*>& areas, const ImageProperties& image,
                    std::string& body) {
    body +=
        ImgStart(image) + SizeAttributes(image) + " UseMap='#" + image.MapName + "'/>" + kLineEnd;
    body += "<map name='" + image.MapName + "'>" + kLineEnd;
    for (const ClickableArea* area : areas) {
        body += "<AREA SHAPE='rect' COORDS='" + JoinedCorners(CornersOn(*area, image)) +
                "' Title='" + area->Title + "'";
        if (!area->LinkAddress.empty()) {
            body += " HREF='" + area->LinkAddress + "'";
        }
        body += std::string("/> ") + kLineEnd;
    }
    body += std::string("</map>") + kLineEnd;
}

void AppendImage(const std::vector<const ClickableArea*>& areas, const ImageProperties& image,
                 std::string& body) {
    switch (image.ImageType) {
        case kImagePlain:
            body += ImgStart(image) + SizeAttributes(image) + "/>" + kLineEnd;
            break;
        case kImageHyperlink:
            body += "<a HREF='" + image.HREF + "'>" + ImgStart(image) + "' TITLE='" + image.Title +
                    SizeAttributes(image) + "/></a>" + kLineEnd;
            break;
        case kImageMap:
            AppendImageMap(areas, image, body);
            break;
        case kImageCanvas:
            body += "<canvas id='" + image.Id + "' SRC='" + image.SRC + "' width='" +
                    Number(image.Width) + "' Height='" + Number(image.Height) +
                    "' style='position:absolute; left:" + Number(image.Left) +
                    "px; top:" + Number(image.Top) +
                    "px' OnMouseUp='Canvas_MouseUp(this, event)' "
                    "OnMouseMove='Canvas_MouseMove(this, event)'></canvas>" +
                    kLineEnd;
            break;
        default:
            break;  // not a kind of element: nothing to write
    }
}

}  // namespace

void AssignCanvasIds(PageDesign& design) {
    for (int i = 1; i <= design.ImageCount(); ++i) {
        ImageProperties& image = design.Image(i);
        if (image.ImageType == kImageCanvas && image.Id.empty()) {
            image.Id = "Canvas_" + Number(i);
        }
    }
}

std::string ImagesSectionBody(const PageDesign& design) {
    const AreasByImage areas = ClickableAreasByImage(design);
    std::string body;
    for (int i = 1; i <= design.ImageCount(); ++i) {
        AppendImage(areas[static_cast<size_t>(i)], design.Image(i), body);
    }
    return body;
}

std::string CanvasScriptBottomBody(const ImageProperties& canvas) {
    const std::string width = Number(canvas.Width);
    const std::string height = Number(canvas.Height);
    const std::string lines[] = {
        "<SCRIPT type='text/javascript'>",
        "  var c=document.getElementById('" + canvas.Id + "');",
        "  var ctx=c.getContext('2d');",
        "  var background = new Image();",
        "  background.src = '" + canvas.SRC + "';",
        "  c.width = " + width + ";",
        "  c.height = " + height + ";",
        "  background.onload = function(){",
        "    ctx.drawImage(background,0,0, " + width + ", " + height + ");",
        "    ctx.beginPath();",
        "    ctx.lineWidth='2';",
        "    ctx.strokeStyle='red';",
        "    for (var i=0; i<Areas.length; i++){",
        "      var Coords = Areas[i].split(',');",
        "      ctx.rect(Coords[0], Coords[1], Coords[2]-Coords[0], Coords[3]-Coords[1]);",
        "    }",
        "    ctx.stroke();",
        "  };",
        "  ctx.scale(mScale, mScale);",
        "</SCRIPT>",
    };
    std::string body;
    for (const std::string& line : lines) {
        body += line + kLineEnd;
    }
    return body;
}

std::string CanvasScriptTopBody(const PageDesign& design, const ImageProperties& canvas) {
    std::string body =
        std::string("var Areas = new Array();") + kLineEnd + "mScale = .7;" + kLineEnd;
    for (const ClickableAreaPtr& area : design.Areas) {
        if (IsClickableAreaOf(*area, canvas)) {
            body += "Areas.push('" + JoinedCorners(CornersOn(*area, canvas)) + "," +
                    area->LinkAddress + "," + area->ClickType() + "');" + kLineEnd;
        }
    }
    return body;
}

std::string BalloonsSectionBody(const PageDesign& design) {
    std::string body;
    for (const ClickableAreaPtr& area : design.Areas) {
        if (area->AreaType != kAreaBalloon || area->ImageID != 1) {
            continue;
        }
        const Corners c = CornersOn(*area, design.Image(1));
        // Raised above the images, which follow the Balloons section on the page and would
        // otherwise cover every balloon.
        body += "<div id='Balloon_" + Number(area->ImageID) +
                "' style='position:absolute; z-index:1; left:" + Number(c.x1) +
                "px; top:" + Number(c.y1) +
                "px; width:" + Number(c.x2 - c.x1) + "; height:" + Number(c.y2 - c.y1) +
                "px;background-color:" + area->BackgroundColor +
                "; border-radius:" + area->BorderRadius +
                "px;' OnMouseDown=this.style.visibility='hidden'; "
                "OnMouseOut=this.style.visibility='visible';>" +
                area->InnerHTML + "</div>" + kLineEnd;
    }
    return body;
}

}  // namespace htmlsim
