#include <charconv>

#include "CliCommand.h"
#include "CliSession.h"
#include "PictureSizes.h"
#include "publish/Publish.h"

namespace htmlsim::cli {

namespace {

template <typename Number>
Number NumberArgument(const std::string& text, Number low, Number high) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        throw UsageError();
    }
    return value;
}

PublishRequest ParseArguments(const std::vector<std::string>& args) {
    PublishRequest request;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg == "--out") {
            request.outFolder = AbsolutePath(OptionValue(args, k));
        } else if (arg == "--zip") {
            request.zip = true;
        } else if (arg == "--scorm") {
            const std::string& version = OptionValue(args, k);
            if (version != "1.2" && version != "2004") {
                throw UsageError();
            }
            request.scorm = ScormVersionFromText(version);
        } else if (arg == "--title") {
            request.settings.title = OptionValue(args, k);
        } else if (arg == "--pass") {
            request.settings.passPercent = NumberArgument(OptionValue(args, k), 0, 100);
        } else if (arg == "--speed") {
            request.settings.speed = NumberArgument(OptionValue(args, k), 0.01, 1000.0);
        } else if (request.startPath.empty() && !arg.starts_with('-')) {
            request.startPath = arg;
        } else {
            throw UsageError();
        }
    }
    if (request.startPath.empty() || request.outFolder.empty()) {
        throw UsageError();
    }
    return request;
}

int RunPublish(const std::vector<std::string>& args) {
    PublishRequest request = ParseArguments(args);
    CliDialogs dialogs;
    if (request.startPath.starts_with("ftp://")) {
        dialogs.Message(kPublishFromFtpRefused, "", MessageIcon::Exclamation);
        return kExitFailure;
    }
    request.startPath = AbsolutePath(request.startPath);
    PictureSizes pictures;
    return PublishSimulation(request, pictures, dialogs) ? kExitSuccess : kExitFailure;
}

const CliCommandRegistration kPublish(
    {"publish",
     "PATH --out DIR [--zip] [--scorm 1.2|2004] [--title TEXT] [--pass PERCENT] "
     "[--speed FACTOR]",
     "publishes the simulation that starts at PATH into DIR: a player with Demo, Practice and "
     "Test modes, its data, Sim.js and the pictures; --zip adds DIR/simulation.zip, --scorm "
     "makes it a SCORM package with imsmanifest.xml",
     RunPublish});

}  // namespace
}  // namespace htmlsim::cli
