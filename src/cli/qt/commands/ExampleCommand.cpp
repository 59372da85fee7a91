#include <filesystem>

#include "CliCommand.h"
#include "CliDesign.h"
#include "OffscreenApplication.h"
#include "example/ExamplePictures.h"
#include "example/ExampleSimulation.h"

namespace htmlsim::cli {

namespace {

int RunExample(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        throw UsageError();
    }
    const OffscreenApplication application;
    CliSession session;
    const std::filesystem::path folder = AbsolutePath(args[0]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (std::filesystem::exists(folder / "login.html")) {
        session.Dialogs().Message("File Already Exists: '" + (folder / "login.html").string() + "'",
                                  "", MessageIcon::Critical);
        return kExitFailure;
    }
    const std::string base = (folder / "").string();
    if (error || !DrawExampleScreens(base)) {
        session.Dialogs().Message(
            "Cannot write the example's pictures into '" + folder.string() + "'", "",
            MessageIcon::Critical);
        return kExitFailure;
    }
    return BuildExampleSimulation(session, base) ? kExitSuccess : kExitFailure;
}

const CliCommandRegistration kExample(
    {"example", "FOLDER",
     "builds the example simulation (a log-in page, a dashboard and a settings page with their "
     "screens) in FOLDER, as a user would in the editor",
     RunExample});

}  // namespace
}  // namespace htmlsim::cli
