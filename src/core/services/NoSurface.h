#pragma once

#include "services/Surface.h"

namespace htmlsim {

// A surface for headless work (the CLI, tests of the document commands): nothing is shown.
class NoSurface : public Surface {
  public:
    void PaintPicture(const Picture*, int, int, int, int, RasterOp) override {}
    void ClearPicture() override {}
    void ShowOutline(int, int, int, int, int) override {}
    void HideOutline(int) override {}
    void UnloadOutline(int) override {}
};

}  // namespace htmlsim
