#include "model/SectionBodies.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "model/ElementPatch.h"
#include "model/WrittenElements.h"
#include "util/Numbers.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

std::string Number(long value) {
    return std::to_string(value);
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

// Writes the Images body: the body as read, each element of the design in it written again
// only where its values changed, and what was added since in the program's own form.
class ImagesBodyWriter {
  public:
    ImagesBodyWriter(const PageDesign& design, std::string_view lineBreak)
        : mDesign(design), mAreas(ClickableAreasByImage(design)), mLineBreak(lineBreak) {
        if (design.ImagesLayout) {
            mLayout = design.ImagesLayout.get();
        }
        for (int i = 1; i <= design.ImageCount(); ++i) {
            const ImageProperties& image = design.Image(i);
            for (const ElementOriginPtr& origin : {image.Origin, image.MapOrigin}) {
                if (origin) {
                    mOwners[origin.get()] = &image;
                }
            }
            if (image.MapOrigin) {
                mMapsWritten.insert(ToUpperAscii(image.MapName));
            }
        }
        for (const ClickableAreaPtr& area : design.Areas) {
            if (area->Origin) {
                mAreaOwners[area->Origin.get()] = area.get();
            }
        }
    }

    std::string Body() {
        // The elements as read, and the places where new areas join their maps, in body order.
        std::vector<std::pair<size_t, const ElementOrigin*>> places;
        for (const ElementOriginPtr& element : mLayout->Elements) {
            places.emplace_back(element->Start, element.get());
            if (element->Kind == OriginKind::Map) {
                places.emplace_back(element->NewAreasAt, nullptr);
                mMapsAt[element->NewAreasAt] = element.get();
            }
        }
        std::stable_sort(places.begin(), places.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        const std::string_view read = mLayout->Body;
        size_t at = 0;
        for (const auto& [position, element] : places) {
            if (position < at) {
                continue;  // inside an element already written
            }
            mBody.append(read.substr(at, position - at));
            at = position;
            if (element == nullptr) {
                const ImageProperties* image = Owner(mMapsAt[position]);
                if (image != nullptr) {
                    AppendNewAreas(*image);
                }
                continue;
            }
            AppendElement(*element);
            at = element->End;
        }
        mBody.append(read.substr(at));
        for (int i = 1; i <= mDesign.ImageCount(); ++i) {
            const ImageProperties& image = mDesign.Image(i);
            if (!image.Origin) {
                AppendImage(image);
            }
        }
        return mBody;
    }

  private:
    const ImageProperties* Owner(const ElementOrigin* origin) const {
        const auto found = mOwners.find(origin);
        return found == mOwners.end() ? nullptr : found->second;
    }

    void AppendElement(const ElementOrigin& element) {
        const std::string_view read = mLayout->Body;
        if (element.Kind == OriginKind::Area) {
            const auto found = mAreaOwners.find(&element);
            if (found != mAreaOwners.end()) {
                const ClickableArea& area = *found->second;
                mBody +=
                    PatchedElement(read, element, AreaValues(area, mDesign.Image(area.ImageID)));
            }
            return;
        }
        const ImageProperties* image = Owner(&element);
        if (element.Kind == OriginKind::Map) {
            mBody += image != nullptr
                         ? PatchedElement(read, element, MapValues(*image))
                         : std::string(read.substr(element.Start, element.End - element.Start));
            return;
        }
        if (image == nullptr) {
            return;
        }
        if (SameForm(element.KindAsRead, image->ImageType)) {
            mBody += PatchedElement(read, element, ImageValues(*image));
            AppendMissingMap(*image);
        } else {
            AppendImage(*image);
        }
    }

    // Plain images and image maps are both an IMG alone; the others are written anew.
    static bool SameForm(int32_t read, int32_t now) {
        auto form = [](int32_t type) { return type == kImageMap ? kImagePlain : type; };
        return form(read) == form(now);
    }

    void AppendNewAreas(const ImageProperties& image) {
        for (const ClickableArea* area : mAreas[static_cast<size_t>(image.Index)]) {
            if (!area->Origin) {
                mBody += NewAreaElement(*area, image, mLineBreak);
            }
        }
    }

    // A map is written once per name: images sharing one use the first, as browsers do.
    void AppendMissingMap(const ImageProperties& image) {
        if (image.ImageType == kImageMap && !image.MapOrigin &&
            mMapsWritten.insert(ToUpperAscii(image.MapName)).second) {
            mBody += NewMapStart(image, mLineBreak);
            AppendNewAreas(image);
            mBody += NewMapEnd(mLineBreak);
        }
    }

    void AppendImage(const ImageProperties& image) {
        mBody += NewImageElement(image, mLineBreak);
        AppendMissingMap(image);
    }

    const PageDesign& mDesign;
    const AreasByImage mAreas;
    const std::string_view mLineBreak;
    const SectionLayout kNothingRead;
    const SectionLayout* mLayout = &kNothingRead;
    std::unordered_map<const ElementOrigin*, const ImageProperties*> mOwners;
    std::unordered_map<const ElementOrigin*, const ClickableArea*> mAreaOwners;
    std::unordered_map<size_t, const ElementOrigin*> mMapsAt;
    std::unordered_set<std::string> mMapsWritten;  // upper case
    std::string mBody;
};

}  // namespace

void AssignCanvasIds(PageDesign& design) {
    for (int i = 1; i <= design.ImageCount(); ++i) {
        ImageProperties& image = design.Image(i);
        if (image.ImageType == kImageCanvas && image.Id.empty()) {
            image.Id = "Canvas_" + Number(i);
        }
    }
}

std::string ImagesSectionBody(const PageDesign& design, std::string_view lineBreak) {
    return ImagesBodyWriter(design, lineBreak).Body();
}

std::string CanvasScriptBottomBody(const ImageProperties& canvas, std::string_view lineBreak) {
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
        body.append(line).append(lineBreak);
    }
    return body;
}

std::string CanvasScriptTopBody(const PageDesign& design, const ImageProperties& canvas,
                                std::string_view lineBreak) {
    const std::string end(lineBreak);
    std::string body = "var Areas = new Array();" + end + "mScale = .7;" + end;
    for (const ClickableAreaPtr& area : design.Areas) {
        if (IsClickableAreaOf(*area, canvas)) {
            body += "Areas.push('" + JoinedCorners(CornersOn(*area, canvas)) + "," +
                    area->LinkAddress + "," + area->ClickType() + "');" + end;
        }
    }
    return body;
}

std::string BalloonsSectionBody(const PageDesign& design, std::string_view lineBreak) {
    std::string body;
    for (const ClickableAreaPtr& area : design.Areas) {
        if (area->AreaType != kAreaBalloon) {
            continue;
        }
        const Corners c = CornersOn(*area, design.Image(area->ImageID));
        // Raised above the images, which follow the Balloons section on the page and would
        // otherwise cover every balloon.
        body += "<div id='Balloon_" + Number(area->ImageID) +
                "' style='position:absolute; z-index:1; left:" + Number(c.x1) +
                "px; top:" + Number(c.y1) + "px; width:" + Number(c.x2 - c.x1) +
                "; height:" + Number(c.y2 - c.y1) + "px;background-color:" + area->BackgroundColor +
                "; border-radius:" + area->BorderRadius +
                "px;' OnMouseDown=this.style.visibility='hidden'; "
                "OnMouseOut=this.style.visibility='visible';>" +
                area->InnerHTML + "</div>" + std::string(lineBreak);
    }
    return body;
}

}  // namespace htmlsim
