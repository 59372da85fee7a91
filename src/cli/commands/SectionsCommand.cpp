#include <iostream>

#include "CliCommand.h"
#include "CliSession.h"

namespace htmlsim::cli {

namespace {

int RunSections(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        throw UsageError();
    }
    CliSession session;
    if (session.OpenExisting(session.DocumentPath(args[0]))) {
        session.Get().ListSections();
        const SectionTable& sections = session.Get().Sections();
        for (size_t k = 0; k < sections.Count(); ++k) {
            std::cout << k << '\t' << sections.Name(k) << '\n';
        }
    }
    return session.ExitStatus();
}

const CliCommandRegistration kSections({"sections", "PATH",
                                        "lists the sections of the document at PATH: index, "
                                        "tab, name",
                                        RunSections});

}  // namespace
}  // namespace htmlsim::cli
