#pragma once

#include <memory>
#include <string>

#include "model/PageDesign.h"
#include "services/Pictures.h"
#include "services/TextMeasurer.h"
#include "surface/PageControls.h"

namespace htmlsim {

class Dialogs;

// The design of one page read from its text with the editor's own import, off screen and
// without touching the editor: a scratch design, no painting, and page controls only when a
// measurer is given. The import's messages go to `dialogs`.
class ImportedPage {
  public:
    ImportedPage(const std::string& text, const std::string& folder, Pictures& pictures,
                 const TextMeasurer* measurer, Dialogs& dialogs);
    ImportedPage(const ImportedPage&) = delete;
    ImportedPage& operator=(const ImportedPage&) = delete;

    const PageDesign& Design() const { return mDesign; }
    // nullptr when the page controls were not read.
    const PageControls* Controls() const { return mControls.get(); }

  private:
    PageDesign mDesign;
    std::unique_ptr<PageControls> mControls;
};

}  // namespace htmlsim
