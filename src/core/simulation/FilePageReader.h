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

    // What the import would have shown while the pages were read.
    const std::vector<std::string>& ImportMessages() const { return mDialogs.messages; }

  private:
    Pictures& mPictures;
    CollectingDialogs mDialogs;
    std::unique_ptr<ImportedPage> mPage;
};

}  // namespace htmlsim
