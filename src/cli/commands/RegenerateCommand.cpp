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
    PictureSizes pictures;
    CliPageControls controls(session, session.Dialogs());
    if (!OpenAndImportDesign(session, args[0], design, surface, pictures, session.Dialogs(),
                             controls.Get())) {
        return kExitFailure;
    }
    std::string document = session.Get().DocumentText();
    // A page read only in part is printed as it stands: writing it would lose the rest.
    if (!design.ImportIsComplete()) {
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
