#pragma once

#include <string>

#include "model/PageDesign.h"
#include "services/Dialogs.h"

namespace htmlsim {

// Writes the design into the document: the "Images" body, the canvas scripts of the last canvas
// image into "CanvasScript_Bottom" and "CanvasScript_Top", and the balloons of every image into
// "Balloons". A missing "Images" or "Balloons" section is left out; a canvas script section
// that is missing or has no end marker is a failure. A failure is shown and ends the
// operation: sections written before it stay written. Canvas images without an Id get one.
// A design whose import stopped early writes nothing.
void DocumentUpdateSectionImages(std::string& documentText, PageDesign& design, Dialogs& dialogs);

}  // namespace htmlsim
