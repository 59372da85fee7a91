#pragma once

#include "services/Pictures.h"

namespace htmlsim::cli {

// Sizes of pictures read from their headers with libpng and libjpeg, the libraries the full
// program's Qt reads them with. Only the plain case is answered here: a PNG or JPEG file named
// as such, whose header the library reads without complaint. Every other file (a GIF or BMP, a
// header the library refuses, bytes from a server) is handed over to the full program, so that
// what is read, and every message about what cannot be, stays Qt's.
class HeaderPictureSizes : public Pictures {
  public:
    PicturePtr LoadFile(const std::string& path) override;
    PicturePtr LoadBytes(const std::string& bytes) override;
    void SaveJpeg(const Picture& picture, const std::string& path, int quality) override;
};

}  // namespace htmlsim::cli
