#pragma once

#include <string>

#include "import/ImportContext.h"

namespace htmlsim {

// Rebuilds the design from the document's sections: images, image maps and linked images
// from "Images", canvas areas from "CanvasScript_Top", balloons from "Balloons". The old areas
// and the surface picture go first; a document that is blank leaves the images as they were.
// Messages go through the context's dialogs; a failure outside a single element ends the
// import, keeping what was rebuilt so far.
void ImportDocument(const std::string& documentText, ImportContext& context);

}  // namespace htmlsim
