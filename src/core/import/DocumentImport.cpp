#include "import/DocumentImport.h"

#include <exception>

#include "document/SectionDocument.h"
#include "import/AreaImport.h"
#include "import/ControlImport.h"
#include "import/ImageImport.h"
#include "import/TagScanner.h"
#include "surface/DesignOperations.h"
#include "surface/PageControls.h"
#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

// A section body with its search mask, kept alive while the scanner's views point into it.
struct SectionScan {
    std::string text;
    std::string mask;

    explicit SectionScan(std::string body) : text(std::move(body)), mask(BuildSearchMask(text)) {}
    ScanText Whole() const { return {text, mask}; }
};

// Calls `element` for each element of the text, the attributes already parsed, at least once
// (a text without a tag gives one element with an empty name). It returns false to stop.
template <typename Element>
bool ForEachElement(const ScanText& text, AttributeTable& attributes, Element element) {
    ScanText rest = text;
    do {
        const TagPieces pieces = NextTag(rest);
        ParseAttributes(pieces.attributes, attributes);
        if (!element(pieces)) {
            return false;
        }
        rest = pieces.remainder;
    } while (!rest.Empty());
    return true;
}

void ReportTagNotUnderstood(ImportContext& context, const std::string& tagName) {
    context.dialogs.Message("Tag Not Understood: '" + tagName + "'", "", MessageIcon::None);
}

void ImportMap(const TagPieces& map, AttributeTable& attributes, ImportContext& context) {
    const std::string mapName = GetAttribute(attributes, "Name");
    const int imageCount = context.design.ImageCount();
    for (int i = 1; i <= imageCount; ++i) {
        if (EqualsIgnoreCase(context.design.Image(i).MapName, mapName)) {
            ImportMapAreas(map.inner, i, attributes, context);
        }
    }
}

// An image wrapped in a link; false when the link holds no image, which ends the import.
bool ImportLinkedImage(const TagPieces& link, AttributeTable& attributes, ImportContext& context) {
    const std::string address = GetAttribute(attributes, "HREF");
    const TagPieces image = NextTag(link.inner);
    ParseAttributes(image.attributes, attributes);
    if (image.tagName != "IMG") {
        context.dialogs.Message("IMG HTML Not Properly Parsed.", "", MessageIcon::Critical);
        return false;
    }
    ImportImg(attributes, context);
    ImageProperties& imported = context.design.Image(context.design.ImageCount());
    imported.HREF = address;
    imported.ImageType = kImageHyperlink;
    return true;
}

bool ImportImagesSection(const std::string& documentText, AttributeTable& attributes,
                         ImportContext& context) {
    const SectionScan body(GetSectionText(documentText, "Images"));
    context.design.ClearImages();
    if (body.text.empty()) {
        return true;
    }
    return ForEachElement(body.Whole(), attributes, [&](const TagPieces& element) {
        if (element.tagName == "CANVAS") {
            ImportCanvas(attributes, context);
        } else if (element.tagName == "IMG") {
            ImportImg(attributes, context);
        } else if (element.tagName == "MAP") {
            ImportMap(element, attributes, context);
        } else if (element.tagName == "A") {
            return ImportLinkedImage(element, attributes, context);
        } else {
            ReportTagNotUnderstood(context, element.tagName);
        }
        return true;
    });
}

using ControlImporter = void (*)(const AttributeTable&, std::string_view, PageControls&, Dialogs&);

// One page-control section: the old controls of its kind go, then one control per element.
void ImportControlSection(const std::string& documentText, const std::string& section,
                          const std::string& tagName, ControlImporter importOne,
                          AttributeTable& attributes, ImportContext& context) {
    const SectionScan body(GetSectionText(documentText, section));
    if (body.text.empty()) {
        return;
    }
    // A full page says so once and reads no more of the section, instead of refusing every
    // further element with a message of its own.
    try {
        ForEachElement(body.Whole(), attributes, [&](const TagPieces& element) {
            if (element.tagName == tagName) {
                importOne(attributes, element.inner.Text, *context.controls, context.dialogs);
            } else {
                ReportTagNotUnderstood(context, element.tagName);
            }
            return true;
        });
    } catch (const OverflowError& full) {
        context.dialogs.Message(full.what(), "", MessageIcon::None);
    }
}

void ImportControlSections(const std::string& documentText, AttributeTable& attributes,
                           ImportContext& context) {
    PageControls& controls = *context.controls;
    controls.SetReadingDocument(true);
    try {
        controls.RemoveAllLabels();
        ImportControlSection(documentText, "Labels", "LABEL", ImportLabel, attributes, context);
        controls.UnloadControlsAbove("Label1", controls.LabelCount());
        controls.RemoveAllAnchors();
        ImportControlSection(documentText, "Anchors", "A", ImportAnchor, attributes, context);
        controls.UnloadControlsAbove("Anchor1", controls.AnchorCount());
        controls.RemoveAllInputs();
        ImportControlSection(documentText, "Inputs", "INPUT", ImportInput, attributes, context);
    } catch (...) {
        controls.SetReadingDocument(false);
        throw;
    }
    controls.SetReadingDocument(false);
}

void ImportBalloonsSection(const std::string& documentText, AttributeTable& attributes,
                           ImportContext& context) {
    const SectionScan body(GetSectionText(documentText, "Balloons"));
    if (body.text.empty()) {
        return;
    }
    ForEachElement(body.Whole(), attributes, [&](const TagPieces& element) {
        if (element.tagName == "DIV") {
            ImportBalloon(attributes, element.inner.Text, context);
        }
        return true;
    });
}

}  // namespace

void ImportDocument(const std::string& documentText, ImportContext& context) {
    try {
        ClearAreasAndPicture(context.design, context.surface);
        if (TrimBlankLines(documentText).empty()) {
            return;
        }
        AttributeTable attributes;
        if (!ImportImagesSection(documentText, attributes, context)) {
            return;
        }
        if (context.controls != nullptr) {
            ImportControlSections(documentText, attributes, context);
        }
        ImportCanvasAreas(GetSectionText(documentText, "CanvasScript_Top"), context);
        ImportBalloonsSection(documentText, attributes, context);
    } catch (const std::exception& e) {
        context.dialogs.Message(e.what(), "", MessageIcon::None);
    }
}

}  // namespace htmlsim
