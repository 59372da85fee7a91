#include "record/RecordedPage.h"

#include "controls/Input.h"
#include "document/DocumentTemplate.h"
#include "document/SectionDocument.h"
#include "model/ImagesSectionWriter.h"
#include "model/PageDesign.h"
#include "publish/MarkupText.h"
#include "services/TextMeasurer.h"
#include "util/Numbers.h"

namespace htmlsim {

namespace {

constexpr int kDefaultAreaWidth = 48;
constexpr int kDefaultAreaHeight = 32;
constexpr int kBalloonGap = 8;
constexpr int kBalloonHeight = 32;
// Roughly the width of a character of the balloon's text, so that a short word gets a small
// balloon and a sentence a wide one; the author resizes it like any other.
constexpr int kBalloonPixelsPerCharacter = 8;
constexpr int kBalloonPadding = 56;

// The page's input is written, never shown: its miniature needs no measuring.
class UnmeasuredText : public TextMeasurer {
  public:
    TextExtent Measure(std::string_view, const TextFont&) const override { return {}; }
};

int16_t Pixels(int value) {
    return RoundToInt16(value);
}

ShapeBox AreaBounds(const RecordedPress& press) {
    if (press.control) {
        return press.control->bounds;
    }
    return {press.x - kDefaultAreaWidth / 2, press.y - kDefaultAreaHeight / 2, kDefaultAreaWidth,
            kDefaultAreaHeight};
}

ImageProperties& AddScreen(PageDesign& design, const RecordedPageContent& content) {
    ImageProperties& image = design.AppendImage();
    image.SRC = content.picture;
    image.SetPathAndName(content.picture);
    image.Name = content.name;
    image.Width = Pixels(content.width);
    image.Height = Pixels(content.height);
    image.PictureWidth = content.width;
    image.PictureHeight = content.height;
    const bool rightClick = content.press && content.press->rightButton;
    image.ImageType = rightClick ? kImageCanvas : kImageMap;
    if (rightClick) {
        image.Id = "Canvas_1";
    } else {
        image.MapName = content.name;
    }
    return image;
}

// Named and keyed as the surface names what is drawn on it.
ClickableArea& AddArea(PageDesign& design, const ImageProperties& image, const ShapeBox& box) {
    const auto index = static_cast<int16_t>(design.Areas.Count() + 1);
    const std::string owner = image.ImageType == kImageCanvas ? image.Id : image.MapName;
    return *design.Areas.Add(owner + "_Area_" + std::to_string(index), Pixels(box.Height),
                             Pixels(box.Width), Pixels(box.Top), Pixels(box.Left), index,
                             AreaKey(index), image.Index);
}

void AddTypingBalloon(PageDesign& design, const ImageProperties& image, const ShapeBox& area,
                      const std::string& typed) {
    const int width = kBalloonPadding + kBalloonPixelsPerCharacter * static_cast<int>(typed.size());
    ClickableArea& balloon = AddArea(
        design, image, {area.Left + area.Width + kBalloonGap, area.Top, width, kBalloonHeight});
    balloon.AreaType = kAreaBalloon;
    balloon.EditBalloon() = {"LightYellow", "6", "Type: " + MarkupEscaped(typed)};
}

std::string InputInPlaceOf(const AccessibleControl& field, Dialogs& dialogs) {
    UnmeasuredText measurer;
    Input input(measurer, dialogs);
    input.SetType2("text");
    input.SetValue("");  // the learner types it
    input.SetTitle(field.name);
    input.SetStyle("position:absolute; left:" + std::to_string(field.bounds.Left) +
                   "px; top:" + std::to_string(field.bounds.Top) +
                   "px; width:" + std::to_string(field.bounds.Width) +
                   "px; height:" + std::to_string(field.bounds.Height) + "px");
    return input.HTML() + "\r\n";
}

}  // namespace

std::string RecordedPageText(const RecordedPageContent& content, Dialogs& dialogs) {
    PageDesign design;
    ImageProperties& image = AddScreen(design, content);
    std::string document = NewDocumentTemplate();
    if (content.press) {
        const ShapeBox box = AreaBounds(*content.press);
        ClickableArea& area = AddArea(design, image, box);
        area.LinkAddress = content.nextPage;
        area.isLinkable = true;
        area.SetClickType(content.press->rightButton ? "right" : "left");
        if (content.press->control) {
            area.Title = content.press->control->name;
        }
        if (!content.typedText.empty()) {
            AddTypingBalloon(design, image, box, content.typedText);
            if (content.typedInto && content.typedInto->isTextField) {
                ReplaceSectionBody(document, "Inputs", InputInPlaceOf(*content.typedInto, dialogs),
                                   dialogs);
            }
        }
    }
    DocumentUpdateSectionImages(document, design, dialogs);
    return document;
}

}  // namespace htmlsim
