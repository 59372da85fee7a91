#pragma once

#include <string>

#include "CliSession.h"
#include "import/ImportContext.h"
#include "services/Surface.h"

namespace htmlsim::cli {

// A surface that keeps nothing: commands that only read the design need no pixels.
class UnpaintedSurface : public Surface {
  public:
    void PaintPicture(const Picture*, int, int, int, int, RasterOp) override {}
    void ClearPicture() override {}
    void ShowOutline(int, int, int, int, int) override {}
    void HideOutline(int) override {}
    void UnloadOutline(int) override {}
};

// Opens the document at `path` as the editor does and reads its design through the given
// surface, pictures and dialogs, as switching to the Image Design tab does. False (with a
// message) when the document cannot be opened.
bool OpenAndImportDesign(CliSession& session, const std::string& path, PageDesign& design,
                         Surface& surface, Pictures& pictures, Dialogs& dialogs);

}  // namespace htmlsim::cli
