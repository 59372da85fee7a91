#include "CliCommand.h"
#include "CliSession.h"
#include "components/FileHelper.h"

namespace htmlsim::cli {

namespace {

int RunNew(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        throw UsageError();
    }
    const std::string path = AbsolutePath(args[0]);
    CliSession session;
    if (FileHelper::FileExists(path)) {
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
