#include "session/DesignGate.h"

#include "session/Session.h"

namespace htmlsim {

bool DesignMayChange(Session& session) {
    const PageDesign& design = session.Design();
    if (design.ImportIsComplete()) {
        return true;
    }
    session.GetDialogs().Message("The " + design.ImportStoppedInSection +
                                     " section could not be read completely (line " +
                                     std::to_string(design.ImportStoppedAtLine) +
                                     "): repair it in the Document Editor before changing the "
                                     "design.",
                                 "", MessageIcon::Exclamation);
    return false;
}

std::function<void()> GatedCommand(Session& session, std::function<void()> command) {
    return [&session, command = std::move(command)] {
        if (DesignMayChange(session)) {
            command();
        }
    };
}

}  // namespace htmlsim
