#include "session/SessionStyleSheets.h"

#include "session/Session.h"
#include "surface/PageBackground.h"

namespace htmlsim {

std::vector<std::string> SessionStyleSheets(const Session& session) {
    return PageStyleSheets(session.DocumentText(),
                           session.DocumentSource() == kLocalDocument ? session.PathOnly() : "");
}

}  // namespace htmlsim
