#include "CliDesign.h"

#include "import/DocumentImport.h"

namespace htmlsim::cli {

bool OpenAndImportDesign(CliSession& session, const std::string& path, PageDesign& design,
                         Surface& surface, Pictures& pictures, Dialogs& dialogs) {
    if (!session.OpenExisting(AbsolutePath(path))) {
        return false;
    }
    ImportContext context{design, surface, pictures, dialogs, session.Get().PathOnly()};
    ImportDocument(session.Get().DocumentText(), context);
    return true;
}

}  // namespace htmlsim::cli
