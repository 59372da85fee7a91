#pragma once

#include "import/ImportContext.h"
#include "model/ImageProperties.h"

namespace htmlsim {

// The picture of an image on a page held on the FTP server. Its remote path is the SRC read
// against the document's folder when it starts with "."; the picture is downloaded once into
// the temporary folder and read from there afterwards. A picture missing on the server is
// reported (unless the connection is at fault, which the client has reported); nullptr then.
PicturePtr LoadRemotePicture(ImportContext& context, ImageProperties& image);

}  // namespace htmlsim
