#pragma once

#include <memory>
#include <string>

#include "CliSession.h"
#include "import/ImportContext.h"
#include "services/NoSurface.h"
#include "surface/PageControls.h"
#include "text/DocumentTextMeasurer.h"

namespace htmlsim::cli {

// The anchors, labels and inputs of a headless command: measured with the editor's fonts as the
// document's characters, their section writers writing into the session's document.
class CliPageControls {
  public:
    CliPageControls(CliSession& session, Dialogs& dialogs);

    PageControls& Get() { return mControls; }

  private:
    std::unique_ptr<TextMeasurer> mMeasurer;
    DocumentTextMeasurer mDocumentMeasurer;
    PageControls mControls;
};

// Opens the document at `path` as the editor does; false (with a message) when it cannot be.
bool OpenDesignDocument(CliSession& session, const std::string& path);

// Reads the open document's design through the given surface, pictures and dialogs, as
// switching to the Image Design tab does; its page controls too unless `controls` is nullptr.
void ImportDesign(CliSession& session, PageDesign& design, Surface& surface, Pictures& pictures,
                  Dialogs& dialogs, PageControls* controls);

// Both of the above, page controls included.
bool OpenAndImportDesign(CliSession& session, const std::string& path, PageDesign& design,
                         Surface& surface, Pictures& pictures, Dialogs& dialogs,
                         PageControls& controls);

// Whether the Labels, Anchors or Inputs section of the document holds anything to read.
bool HasPageControls(const std::string& documentText);

}  // namespace htmlsim::cli
