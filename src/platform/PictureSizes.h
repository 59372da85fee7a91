#pragma once

#include "services/Pictures.h"

namespace htmlsim {

// Pictures for reading many pages quickly: only the size is read from a picture file's
// header, no pixels are decoded; the formats are those QtPictures takes. Nothing can be painted
// or saved with them.
class PictureSizes : public Pictures {
  public:
    PicturePtr LoadFile(const std::string& path) override;
    PicturePtr LoadBytes(const std::string& bytes) override;
    void SaveJpeg(const Picture& picture, const std::string& path, int quality) override;
};

}  // namespace htmlsim
