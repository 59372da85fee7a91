#include <iostream>

#include "CliCommand.h"
#include "CliDesign.h"
#include "model/ImagesSectionWriter.h"

namespace htmlsim::cli {

namespace {

int RunRegenerate(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        throw UsageError();
    }
    CliSession session;
    PageDesign design;
    NoSurface surface;
    const std::unique_ptr<Pictures> pictures = MakePictureSizes();
    CliPageControls controls(session, session.Dialogs());
    if (!OpenDesignDocument(session, args[0])) {
        return kExitFailure;
    }
    // Page controls are measured in the editor's fonts, which takes Qt.
    if (HasPageControls(session.Get().DocumentText())) {
        HandOverToFullProgram();
    }
    // Held until the document is printed: a picture only the full program reads hands over
    // during the import, which then reports them itself.
    session.Dialogs().Hold();
    ImportDesign(session, design, surface, *pictures, session.Dialogs(), &controls.Get());
    std::string document = session.Get().DocumentText();
    // A page read only in part is printed as it stands: writing it would lose the rest.
    if (!design.ImportIsComplete()) {
        session.Dialogs().Release();
        std::cout.write(document.data(), static_cast<std::streamsize>(document.size()));
        std::cout.flush();
        return kExitFailure;
    }
    DocumentUpdateSectionImages(document, design, session.Dialogs());
    // The control writers write into the session's document, as in the editor.
    session.Get().SetDocumentText(std::move(document));
    controls.Get().UpdateLabelsSection();
    controls.Get().UpdateAnchorsSection();
    controls.Get().UpdateInputsSection();
    document = session.Get().DocumentText();
    session.Dialogs().Release();
    std::cout.write(document.data(), static_cast<std::streamsize>(document.size()));
    std::cout.flush();
    return session.ExitStatus();
}

const CliCommandRegistration kRegenerate(
    {"regenerate", "PATH",
     "reads the design of the document at PATH and prints the document with its Images, "
     "canvas script, Balloons, Labels, Anchors and Inputs sections written anew (nothing is "
     "saved)",
     RunRegenerate});

}  // namespace
}  // namespace htmlsim::cli
