#include "model/SectionBodies.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "document/SectionDocument.h"
#include "model/ElementPatch.h"
#include "model/WrittenElements.h"
#include "util/JavaScriptString.h"
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
            if (image.ImageType == kImageMap) {
                mImagesByMap[ToUpperAscii(image.MapName)].push_back(&image);
            }
        }
        for (const ClickableAreaPtr& area : design.Areas) {
            if (area->Origin && area->AreaType == kAreaClickable) {
                mAreaOwners[area->Origin.get()].push_back(area.get());
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
                    AppendNewAreasOfMap(*image);
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
                mBody += PatchedElement(read, element, SharedAreaValues(element, found->second));
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

    // An area of a map shared by several images stands on each of them: the one changed
    // since reading gives the values, as the map holds it once.
    WrittenValues SharedAreaValues(const ElementOrigin& element,
                                   const std::vector<const ClickableArea*>& areas) const {
        WrittenValues values;
        for (const ClickableArea* area : areas) {
            values = AreaValues(*area, mDesign.Image(area->ImageID));
            if (!element.ValuesAsRead.Equals(values, element.TextIn(mLayout->Body))) {
                break;
            }
        }
        return values;
    }

    // The areas drawn since on every image naming the map.
    void AppendNewAreasOfMap(const ImageProperties& image) {
        const auto sharing = mImagesByMap.find(ToUpperAscii(image.MapName));
        if (sharing == mImagesByMap.end()) {
            return;
        }
        for (const ImageProperties* named : sharing->second) {
            for (const ClickableArea* area : mAreas[static_cast<size_t>(named->Index)]) {
                if (!area->Origin) {
                    mBody += NewAreaElement(*area, *named, mLineBreak);
                }
            }
        }
    }

    // A map is written once per name: images sharing one use the first, as browsers do.
    void AppendMissingMap(const ImageProperties& image) {
        if (image.ImageType == kImageMap && !image.MapOrigin &&
            mMapsWritten.insert(ToUpperAscii(image.MapName)).second) {
            mBody += NewMapStart(image, mLineBreak);
            AppendNewAreasOfMap(image);
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
    std::unordered_map<const ElementOrigin*, std::vector<const ClickableArea*>> mAreaOwners;
    std::unordered_map<std::string, std::vector<const ImageProperties*>> mImagesByMap;  // upper
    std::unordered_map<size_t, const ElementOrigin*> mMapsAt;
    std::unordered_set<std::string> mMapsWritten;  // upper case
    std::string mBody;
};

// A line without its line break.
std::string_view LineText(std::string_view line) {
    if (line.ends_with('\n')) {
        line.remove_suffix(1);
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (const std::string_view line : SplitText(text, "\n")) {
        lines.push_back(LineText(line));
    }
    return lines;
}

// A body of areas (balloons, canvas areas): the body as read with each area read from it written
// again only where it changed, and after it the areas added since, in the program's form.
template <typename IsWritten, typename ValuesOf, typename NewElement>
std::string AreasSectionBody(const SectionLayout* read, IsWritten isWritten, ValuesOf valuesOf,
                             NewElement newElement, const PageDesign& design, std::string body) {
    std::unordered_set<const ElementOrigin*> elements;
    if (read != nullptr) {
        for (const ElementOriginPtr& element : read->Elements) {
            elements.insert(element.get());
        }
    }
    // Each element read is written for the first area made from it that is still written.
    std::unordered_map<const ElementOrigin*, const ClickableArea*> owners;
    for (const ClickableAreaPtr& area : design.Areas) {
        if (isWritten(*area) && elements.contains(area->Origin.get())) {
            owners.emplace(area->Origin.get(), area.get());
        }
    }
    if (read != nullptr) {
        body +=
            PatchedBody(*read, [&](const ElementOrigin& element) -> std::optional<WrittenValues> {
                const auto owner = owners.find(&element);
                if (owner == owners.end()) {
                    return std::nullopt;
                }
                return valuesOf(*owner->second);
            });
    }
    for (const ClickableAreaPtr& area : design.Areas) {
        const auto owner = owners.find(area->Origin.get());
        const bool readHere = owner != owners.end() && owner->second == area.get();
        if (isWritten(*area) && !readHere) {
            body += newElement(*area);
        }
    }
    return body;
}

// The area list's declaration, unless the list as read makes it.
std::string CanvasAreaListStart(const SectionLayout* read, std::string_view lineBreak) {
    if (read != nullptr && read->Body.find("Areas = new Array") != std::string::npos) {
        return "";
    }
    const std::string end(lineBreak);
    return "var Areas = new Array();" + end + "mScale = .7;" + end;
}

}  // namespace

std::string WrittenCanvasId(const ImageProperties& canvas) {
    return canvas.Id.empty() ? "Canvas_" + Number(canvas.Index) : canvas.Id;
}

void AssignCanvasIds(PageDesign& design) {
    for (int i = 1; i <= design.ImageCount(); ++i) {
        ImageProperties& image = design.Image(i);
        if (image.ImageType == kImageCanvas) {
            image.Id = WrittenCanvasId(image);
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
    return AreasSectionBody(
        design.CanvasAreasLayout.get(),
        [&](const ClickableArea& area) { return IsClickableAreaOf(area, canvas); },
        [&](const ClickableArea& area) { return CanvasAreaValues(area, canvas); },
        [&](const ClickableArea& area) { return NewCanvasAreaLine(area, canvas, lineBreak); },
        design, CanvasAreaListStart(design.CanvasAreasLayout.get(), lineBreak));
}

std::string BalloonsSectionBody(const PageDesign& design, std::string_view lineBreak) {
    // Every image's balloons, each named after its image and placed on the page.
    auto isWritten = [](const ClickableArea& area) { return area.AreaType == kAreaBalloon; };
    return AreasSectionBody(
        design.BalloonsLayout.get(), isWritten,
        [](const ClickableArea& area) { return BalloonValues(area); },
        [&](const ClickableArea& area) { return NewBalloonElement(area, lineBreak); }, design, "");
}

std::string CanvasScriptBottomBody(const PageDesign& design, const ImageProperties& canvas,
                                   std::string_view lineBreak) {
    const std::string written = CanvasScriptBottomBody(canvas, lineBreak);
    if (TrimBlankLines(design.CanvasScriptRead).empty()) {
        return written;
    }
    // The lines whose values changed, as read and as written now.
    std::unordered_map<std::string_view, std::string_view> changed;
    const std::vector<std::string_view> before = Lines(design.CanvasScriptWrittenAsRead);
    const std::vector<std::string_view> after = Lines(written);
    for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i] != after[i]) {
            changed.emplace(before[i], after[i]);
        }
    }
    std::string body;
    const std::string_view read = design.CanvasScriptRead;
    for (size_t at = 0; at < read.size();) {
        const size_t next = std::min(read.find('\n', at), read.size() - 1) + 1;
        std::string_view line = read.substr(at, next - at);
        const std::string_view text = LineText(line);
        const auto found = changed.find(text);
        if (found != changed.end()) {
            body.append(found->second).append(line.substr(text.size()));
        } else {
            body.append(line);
        }
        at = next;
    }
    return body;
}

}  // namespace htmlsim
