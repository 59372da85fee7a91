#include "CliCommand.h"
#include "CliDesign.h"
#include "QtPictures.h"
#include "simulation/SimulationWalk.h"

namespace htmlsim::cli {

namespace {

int RunSimjs(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        throw UsageError();
    }
    CliSession session;
    NoSurface surface;
    QtPictures pictures;
    session.Get().AttachDesignServices(surface, pictures);
    if (!session.OpenExisting(session.DocumentPath(args[0]))) {
        return kExitFailure;
    }
    NoSimulationProgress progress;
    // Its closing message is the success; others on the way (a picture that cannot be
    // loaded) are only reported.
    return SimulationWalk(session.Get(), progress).RecordSimulation() ? kExitSuccess : kExitFailure;
}

const CliCommandRegistration kSimjs(
    {"simjs", "PATH",
     "walks every page reachable from the document at PATH through the links of its clickable "
     "areas and writes Sim.js beside it",
     RunSimjs});

}  // namespace
}  // namespace htmlsim::cli
