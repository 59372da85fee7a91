#include "surface/BrowserScale.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

#include "document/DocumentTemplate.h"
#include "util/RuntimeError.h"
#include "util/WholeFile.h"

namespace htmlsim {

namespace {

// Beyond these a page is not meant to be seen: the view would be a dot or a few pixels' worth.
constexpr double kSmallestScale = 0.05;
constexpr double kLargestScale = 20.0;

bool IsNamePart(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
}

size_t SkipBlanks(std::string_view text, size_t at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    return at;
}

// The number assigned by "mScale = <number>" at `at` (just after the name), when it is one.
std::optional<double> AssignedNumber(std::string_view text, size_t at) {
    at = SkipBlanks(text, at);
    if (at >= text.size() || text[at] != '=' || (at + 1 < text.size() && text[at + 1] == '=')) {
        return std::nullopt;
    }
    at = SkipBlanks(text, at + 1);
    size_t end = at;
    while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) ||
                                 text[end] == '.' || text[end] == 'e' || text[end] == 'E')) {
        ++end;
    }
    // A number that goes on into an expression is not the value the page ends up with.
    const size_t after = SkipBlanks(text, end);
    if (end == at ||
        (after < text.size() && text[after] != ';' && text[after] != '\r' && text[after] != '\n')) {
        return std::nullopt;
    }
    double value = 0;
    const auto [last, error] = std::from_chars(text.data() + at, text.data() + end, value);
    if (error != std::errc() || last != text.data() + end || !(value >= kSmallestScale) ||
        value > kLargestScale) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> LastAssignment(std::string_view text) {
    static constexpr std::string_view kName = "mScale";
    std::optional<double> last;
    for (size_t at = text.find(kName); at != std::string_view::npos;
         at = text.find(kName, at + kName.size())) {
        const bool whole =
            (at == 0 || !IsNamePart(text[at - 1])) &&
            (at + kName.size() == text.size() || !IsNamePart(text[at + kName.size()]));
        if (whole) {
            if (const std::optional<double> value = AssignedNumber(text, at + kName.size())) {
                last = value;
            }
        }
    }
    return last;
}

}  // namespace

double PageCanvasScale(std::string_view supportScript, std::string_view documentText) {
    if (const std::optional<double> page = LastAssignment(documentText)) {
        return *page;
    }
    return LastAssignment(supportScript).value_or(1.0);
}

std::string SupportScriptIn(const std::string& folder) {
    if (!folder.empty()) {
        try {
            return ReadWholeFile(folder + kScriptFileName);
        } catch (const RuntimeError&) {
            // Not written yet, or not readable: the page gets the program's own once saved.
        }
    }
    return ScriptText();
}

ViewPoint CanvasScaling::ToView(ViewPoint picture) const {
    return {static_cast<float>(OriginX + (picture.X - OriginX) * Scale),
            static_cast<float>(OriginY + (picture.Y - OriginY) * Scale)};
}

ViewPoint CanvasScaling::ToPicture(ViewPoint view) const {
    return {static_cast<float>(OriginX + (view.X - OriginX) / Scale),
            static_cast<float>(OriginY + (view.Y - OriginY) / Scale)};
}

ShapeBox CanvasScaling::ToView(const ShapeBox& picture) const {
    const ViewPoint topLeft =
        ToView(ViewPoint{static_cast<float>(picture.Left), static_cast<float>(picture.Top)});
    const ViewPoint bottomRight =
        ToView(ViewPoint{static_cast<float>(picture.Left + picture.Width),
                         static_cast<float>(picture.Top + picture.Height)});
    const auto left = static_cast<int32_t>(std::lround(topLeft.X));
    const auto top = static_cast<int32_t>(std::lround(topLeft.Y));
    return {left, top, static_cast<int32_t>(std::lround(bottomRight.X)) - left,
            static_cast<int32_t>(std::lround(bottomRight.Y)) - top};
}

BrowserScaleView::BrowserScaleView(const PageDesign& design, double scale) : mDesign(design) {
    for (int16_t i = 1; i <= design.ImageCount(); ++i) {
        const ImageProperties& image = design.Image(i);
        if (image.ImageType == kImageCanvas) {
            mCanvases.push_back(
                {i,
                 {image.Left, image.Top, image.Width, image.Height},
                 {static_cast<float>(image.Left), static_cast<float>(image.Top), scale}});
        }
    }
}

CanvasScaling BrowserScaleView::At(ViewPoint view) const {
    for (const ScaledCanvas& canvas : mCanvases) {
        const ShapeBox& box = canvas.Box;
        if (box.Left < view.X && view.X < box.Left + box.Width && box.Top < view.Y &&
            view.Y < box.Top + box.Height) {
            return canvas.Scaling;
        }
    }
    return {};
}

CanvasScaling BrowserScaleView::ForOutline(int index) const {
    for (const ClickableAreaPtr& area : mDesign.Areas) {
        if (area->Index != index || area->AreaType != kAreaClickable) {
            continue;
        }
        for (const ScaledCanvas& canvas : mCanvases) {
            if (canvas.ImageIndex == area->ImageID) {
                return canvas.Scaling;
            }
        }
    }
    return {};
}

}  // namespace htmlsim
