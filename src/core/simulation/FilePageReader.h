#pragma once

#include <memory>
#include <string>

#include "linkcheck/CollectingDialogs.h"
#include "linkcheck/ImportedPage.h"
#include "services/Pictures.h"
#include "simulation/PageWalk.h"

namespace htmlsim {

// Reads each page from its file into a design of its own: no session, no window, nothing
// created or written. A missing page is an error, not a new document.
class FilePageReader : public WalkPageReader {
  public:
    explicit FilePageReader(Pictures& pictures) : mPictures(pictures) {}

    const PageDesign& ReadPage(const std::string& path) override;

  private:
    Pictures& mPictures;
    // The import's messages are not shown: a page it cannot read fully is still walked, as the
    // link check reads it.
    CollectingDialogs mDialogs;
    std::unique_ptr<ImportedPage> mPage;
};

}  // namespace htmlsim
