#include "session/SessionSectionWriter.h"

#include "document/SectionDocument.h"
#include "session/Session.h"

namespace htmlsim {

PageControls::SectionWriter SessionSectionWriter(Session& session) {
    return [&session](const std::string& section, const std::string& body) {
        std::string document = session.DocumentText();
        ReplaceSectionBody(document, section, body, session.GetDialogs());
        session.SetDocumentText(std::move(document));
    };
}

}  // namespace htmlsim
