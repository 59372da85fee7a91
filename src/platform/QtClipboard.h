#pragma once

#include "services/Clipboard.h"

namespace htmlsim {

// The system clipboard through Qt; its picture is made ready for the surface and the JPEG
// writer like a decoded file.
class QtClipboard : public Clipboard {
  public:
    PicturePtr GetPicture() override;
};

}  // namespace htmlsim
