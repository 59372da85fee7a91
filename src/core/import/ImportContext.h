#pragma once

#include <string>
#include <unordered_map>

#include "model/PageDesign.h"
#include "remote/FtpClient.h"
#include "services/Dialogs.h"
#include "services/Pictures.h"
#include "services/Surface.h"

namespace htmlsim {

class PageControls;

// What reading a document into the design works with: the design it rebuilds, the services
// it paints, loads pictures and reports through, and the folder of the document (with its
// trailing separator), against which relative picture paths are resolved.
struct ImportContext {
    PageDesign& design;
    Surface& surface;
    Pictures& pictures;
    Dialogs& dialogs;
    std::string documentFolder;
    // The anchors, labels and inputs to rebuild; none when the caller shows no page controls.
    PageControls* controls = nullptr;

    // Set while the document lives on the FTP server: pictures come from there, through a
    // download cache in the temporary folder (no trailing "/").
    FtpClient* ftp = nullptr;
    std::string temporaryFolder = {};

    // The pictures loaded so far, by path: a page showing one picture many times reads it once.
    std::unordered_map<std::string, PicturePtr> loadedPictures = {};
};

}  // namespace htmlsim
