#pragma once

#include "services/Pictures.h"

namespace htmlsim {

// The system clipboard, as far as the editor reads it.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The picture on the clipboard; nullptr when it holds none.
    virtual PicturePtr GetPicture() = 0;
};

}  // namespace htmlsim
