#include "CliDesign.h"

#include "document/SectionDocument.h"
#include "import/DocumentImport.h"
#include "session/SessionSectionWriter.h"
#include "session/SessionStyleSheets.h"
#include "surface/DesignOperations.h"

namespace htmlsim::cli {

CliPageControls::CliPageControls(CliSession& session, Dialogs& dialogs)
    : mMeasurer(MakeTextMeasurer()),
      mDocumentMeasurer(*mMeasurer, session.Get().Codec()),
      mControls(mDocumentMeasurer, dialogs, SessionSectionWriter(session.Get())) {}

bool OpenDesignDocument(CliSession& session, const std::string& path) {
    return session.OpenExisting(session.DocumentPath(path));
}

void ImportDesign(CliSession& session, PageDesign& design, Surface& surface, Pictures& pictures,
                  Dialogs& dialogs, PageControls* controls) {
    ImportContext context{design, surface, pictures, dialogs, session.Get().PathOnly()};
    context.controls = controls;
    session.Get().UseRemotePictures(context);
    ImportDocument(session.Get().SharedDocumentText(), context);
    FinishDesignSurface(design, surface, controls, SessionStyleSheets(session.Get()));
}

bool OpenAndImportDesign(CliSession& session, const std::string& path, PageDesign& design,
                         Surface& surface, Pictures& pictures, Dialogs& dialogs,
                         PageControls& controls) {
    if (!OpenDesignDocument(session, path)) {
        return false;
    }
    ImportDesign(session, design, surface, pictures, dialogs, &controls);
    return true;
}

bool HasPageControls(const std::string& documentText) {
    for (const char* section : {"Labels", "Anchors", "Inputs"}) {
        if (!GetSectionText(documentText, section).empty()) {
            return true;
        }
    }
    return false;
}

}  // namespace htmlsim::cli
