#pragma once

#include <string>

#include "services/Dialogs.h"
#include "services/Pictures.h"

namespace htmlsim {

// Every picture the editor turns into a file is a JPEG of this quality.
inline constexpr int kJpegQuality = 80;

// Writes the picture as a JPEG file. A failure is shown to the user and not passed on: the
// caller goes on as if the file had been written.
void SaveJPG(Pictures& pictures, Dialogs& dialogs, const Picture& picture, const std::string& path,
             int quality);

}  // namespace htmlsim
