#include "linkcheck/PageLinks.h"

#include "model/PageDesign.h"
#include "surface/PageControls.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

const ImageProperties* ImageOf(const PageDesign& design, const ClickableArea& area) {
    if (area.ImageID < 1 || area.ImageID > design.ImageCount()) {
        return nullptr;
    }
    return &design.Image(area.ImageID);
}

// An image whose size is unknown (no size written and no picture) cannot be checked.
bool LiesOutside(const ClickableArea& area, const ImageProperties& image) {
    if (image.Width <= 0 || image.Height <= 0) {
        return false;
    }
    return area.Left < image.Left || area.Top < image.Top ||
           area.Left + area.Width > image.Left + image.Width ||
           area.Top + area.Height > image.Top + image.Height;
}

}  // namespace

std::vector<PageLink> CollectPageLinks(const PageDesign& design, const PageControls* controls) {
    std::vector<PageLink> links;
    for (const ClickableAreaPtr& area : design.Areas) {
        if (area->AreaType == kAreaClickable) {
            links.push_back({area->Name, area->LinkAddress, area->ClickType()});
        }
    }
    for (int k = 1; k <= design.ImageCount(); ++k) {
        const ImageProperties& image = design.Image(k);
        if (image.ImageType == kImageHyperlink) {
            links.push_back({image.Name.empty() ? image.SRC : image.Name, image.HREF, "left"});
        }
    }
    if (controls != nullptr) {
        for (int k = 0; k < controls->AnchorCount(); ++k) {
            links.push_back(
                {"Anchor1(" + std::to_string(k) + ")", controls->Anchor1[k].HREF(), "left"});
        }
    }
    return links;
}

void CheckPageDesign(const PageDesign& design, const std::string& pageName,
                     std::vector<LinkProblem>& problems) {
    for (const ClickableAreaPtr& area : design.Areas) {
        const ImageProperties* image = ImageOf(design, *area);
        const bool balloon = area->AreaType == kAreaBalloon;
        if (!balloon && TrimBlanks(area->LinkAddress).empty()) {
            problems.push_back(
                {pageName, area->Name, LinkProblemKind::EmptyLink, "The area has no link."});
        }
        // Canvas areas have no place for a Title, so only image-map areas are held to one.
        if (!balloon && image != nullptr && image->ImageType == kImageMap &&
            TrimBlanks(area->Title).empty()) {
            problems.push_back(
                {pageName, area->Name, LinkProblemKind::MissingTitle, "The area has no Title."});
        }
        if (image != nullptr && LiesOutside(*area, *image)) {
            problems.push_back({pageName, area->Name, LinkProblemKind::OutsideImage,
                                balloon ? "The balloon lies outside its image."
                                        : "The area lies outside its image."});
        }
    }
}

}  // namespace htmlsim
