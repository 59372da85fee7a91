#pragma once

#include <memory>
#include <string>

#include "import/ImportContext.h"

namespace htmlsim {

// Rebuilds the design from the document's sections: images, image maps and linked images
// from "Images", canvas areas from "CanvasScript_Top", balloons from "Balloons". The old areas
// and the surface picture go first; a document that is blank leaves the images as they were.
// Messages go through the context's dialogs; a failure outside a single element ends the
// import, keeping what was rebuilt so far. The design's layouts share the text given: the
// overload taking a plain string copies it for them.
using SharedText = std::shared_ptr<const std::string>;
void ImportDocument(const SharedText& documentText, ImportContext& context);
void ImportDocument(const std::string& documentText, ImportContext& context);

}  // namespace htmlsim
