#include "CliCommand.h"
#include "CliSession.h"

namespace htmlsim::cli {

namespace {

int RunNew(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        throw UsageError();
    }
    CliSession session;
    const std::string path = session.DocumentPath(args[0]);
    if (path.empty()) {
        return session.ExitStatus();
    }
    if (session.DocumentExists(path)) {
        session.Dialogs().Message("File Already Exists: '" + path + "'", "", MessageIcon::Critical);
    } else {
        session.Get().OpenDocument(path);
    }
    return session.ExitStatus();
}

const CliCommandRegistration kNew({"new", "PATH",
                                   "writes a new document from the template to PATH, with "
                                   "MyStyle.css and HTMLSimulation.js beside it",
                                   RunNew});

}  // namespace
}  // namespace htmlsim::cli
