#include "model/CanvasRule.h"

#include "document/SectionDocument.h"

namespace htmlsim {

std::optional<std::string> WhyNoCanvas(const std::string& documentText, const PageDesign& design,
                                       int imageIndex) {
    for (int i = 1; i <= design.ImageCount(); ++i) {
        if (i != imageIndex && design.Image(i).ImageType == kImageCanvas) {
            return "This page has a canvas already and a page holds one";
        }
    }
    for (const char* name : {"CanvasScript_Top", "CanvasScript_Bottom"}) {
        SectionPositions where;
        GetSectionText(documentText, name, &where);
        if (where.start == 0 || where.end == 0) {
            return std::string("This page has no \"") + name + "\" section for a canvas script";
        }
    }
    return std::nullopt;
}

}  // namespace htmlsim
