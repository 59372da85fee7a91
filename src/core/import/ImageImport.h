#pragma once

#include <string>

#include "import/AttributeTable.h"
#include "import/ImportContext.h"

namespace htmlsim {

// Each appends one image to the design from an element's attributes, loads its picture and
// paints it. A failure is shown and ends only that element; the image stays with the fields
// set before it.
void ImportImg(const AttributeTable& attributes, ImportContext& context);
void ImportCanvas(const AttributeTable& attributes, ImportContext& context);

// The file a picture reference names, seen from the document's folder: an absolute path as it
// stands, anything else relative to the folder.
std::string LocalPicturePath(const std::string& documentFolder, const std::string& src);

// Sets the path of image `imageNumber` from its SRC and loads its picture; a RuntimeError when
// the picture cannot be loaded.
void LoadImagePicture(ImportContext& context, int imageNumber);

}  // namespace htmlsim
