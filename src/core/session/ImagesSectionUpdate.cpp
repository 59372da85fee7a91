#include "session/ImagesSectionUpdate.h"

#include "model/ImagesSectionWriter.h"
#include "session/Session.h"

namespace htmlsim {

void UpdateImagesSection(Session& session) {
    std::string text = session.DocumentText();
    DocumentUpdateSectionImages(text, session.Design(), session.GetDialogs());
    session.SetDocumentText(std::move(text));
}

}  // namespace htmlsim
