#include "model/ImagesSectionWriter.h"

#include <exception>
#include <optional>

#include "document/SectionDocument.h"
#include "model/SectionBodies.h"
#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

bool SectionIsComplete(const std::string& documentText, const std::string& name) {
    SectionPositions where;
    GetSectionText(documentText, name, &where);
    return where.start != 0 && where.end != 0;
}

// Unlike ReplaceSectionBody alone, never adds the section.
void ReplaceExistingSectionBody(std::string& documentText, const std::string& name,
                                const std::string& body, Dialogs& dialogs) {
    if (!SectionIsComplete(documentText, name)) {
        throw RuntimeError("Section Not Found: '" + name + "'");
    }
    ReplaceSectionBody(documentText, name, body, dialogs);
}

// Each canvas image overwrites the scripts of the one before, so only the last one's are
// written: the same document at a fraction of the cost. A failure while the bodies are built
// leaves the scripts of the canvases before it, as writing them one by one would.
void WriteCanvasScripts(std::string& documentText, const PageDesign& design,
                        std::string_view lineBreak, Dialogs& dialogs) {
    std::optional<std::string> bottom;
    std::optional<std::string> top;
    auto write = [&] {
        if (bottom) {
            ReplaceExistingSectionBody(documentText, "CanvasScript_Bottom", *bottom, dialogs);
        }
        if (top) {
            ReplaceExistingSectionBody(documentText, "CanvasScript_Top", *top, dialogs);
        }
    };
    try {
        for (int i = 1; i <= design.ImageCount(); ++i) {
            const ImageProperties& image = design.Image(i);
            if (image.ImageType == kImageCanvas) {
                bottom = CanvasScriptBottomBody(design, image, lineBreak);
                top = CanvasScriptTopBody(design, image, lineBreak);
            }
        }
    } catch (const std::exception&) {
        write();
        throw;
    }
    write();
}

// The canvas script hit-tests rectangles only: circles and polygons on a canvas become the boxes
// around them, said once, when they are first written there.
void MakeCanvasAreasRectangles(PageDesign& design, Dialogs& dialogs) {
    bool changed = false;
    for (const ClickableAreaPtr& area : design.Areas) {
        const bool onCanvas = area->AreaType == kAreaClickable && area->ImageID >= 1 &&
                              area->ImageID <= design.ImageCount() &&
                              design.Image(area->ImageID).ImageType == kImageCanvas;
        if (onCanvas && area->Shape.Kind() != AreaShapeKind::Rect) {
            area->Shape = AreaShape();
            changed = true;
        }
    }
    if (changed) {
        dialogs.Message(
            "A canvas knows rectangular areas only: its circles and polygons are written as the "
            "rectangles around them.",
            "", MessageIcon::Information);
    }
}

}  // namespace

void DocumentUpdateSectionImages(std::string& documentText, PageDesign& design, Dialogs& dialogs) {
    // A design read only in part would write the rest of the page away.
    if (!design.ImportIsComplete()) {
        return;
    }
    try {
        AssignCanvasIds(design);
        MakeCanvasAreasRectangles(design, dialogs);
        const std::string_view lineBreak = DocumentLineBreak(documentText);
        const std::string images = ImagesSectionBody(design, lineBreak);
        if (SectionIsComplete(documentText, "Images")) {
            ReplaceSectionBody(documentText, "Images", images, dialogs);
        }
        WriteCanvasScripts(documentText, design, lineBreak, dialogs);
        if (SectionIsComplete(documentText, "Balloons")) {
            ReplaceSectionBody(documentText, "Balloons", BalloonsSectionBody(design, lineBreak),
                               dialogs);
        }
    } catch (const std::exception& e) {
        dialogs.Message(e.what(), "", MessageIcon::None);
    }
}

}  // namespace htmlsim
