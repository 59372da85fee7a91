#include "session/SessionSectionWriter.h"

#include "document/SectionDocument.h"
#include "session/Session.h"

namespace htmlsim {

PageControls::SectionWriter SessionSectionWriter(Session& session) {
    return [&session](const std::string& section, const std::string& body) {
        // A design read only in part would write the rest of the page away.
        if (!session.Design().ImportIsComplete()) {
            return;
        }
        std::string document = session.DocumentText();
        ReplaceSectionBody(document, section, WithLineBreaksOf(document, body),
                           session.GetDialogs());
        session.SetDocumentText(std::move(document));
    };
}

}  // namespace htmlsim
