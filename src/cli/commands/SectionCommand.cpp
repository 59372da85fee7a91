#include <iostream>

#include "CliCommand.h"
#include "CliSession.h"
#include "document/SectionDocument.h"

namespace htmlsim::cli {

namespace {

int RunSection(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        throw UsageError();
    }
    const std::string& name = args[1];
    CliSession session;
    if (session.OpenExisting(session.DocumentPath(args[0]))) {
        SectionPositions where;
        const std::string body = GetSectionText(session.Get().DocumentText(), name, &where);
        if (where.start == 0) {
            session.Dialogs().Message("Section Not Found: '" + name + "'", "",
                                      MessageIcon::Critical);
        } else if (where.end == 0) {
            session.Dialogs().Message(
                "End of Section Not Found: '" + std::string(kSectionEndMarker) + "'", "",
                MessageIcon::Critical);
        } else {
            std::cout << body;
        }
    }
    return session.ExitStatus();
}

const CliCommandRegistration kSection({"section", "PATH NAME",
                                       "prints the body of the section NAME of the document "
                                       "at PATH, blank lines at both ends trimmed",
                                       RunSection});

}  // namespace
}  // namespace htmlsim::cli
