#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "CliCommand.h"
#include "HeaderPictureSizes.h"
#include "ProgramParts.h"

namespace htmlsim::cli {

namespace {

char** gArguments = nullptr;

// Beside this program in the build tree; in the installed layout, under libexec.
std::filesystem::path FullProgram() {
    std::error_code error;
    const auto folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const auto beside = folder / "htmlsim-cli-qt";
    if (std::filesystem::exists(beside, error)) {
        return beside;
    }
    return (folder / HTMLSIM_FULL_CLI_FROM_BINDIR).lexically_normal();
}

// Text is measured in the editor's fonts, which only the full program loads.
class HandOverTextMeasurer : public TextMeasurer {
  public:
    TextExtent Measure(std::string_view, const TextFont&) const override {
        HandOverToFullProgram();
        return {};
    }
};

// Servers are reached through the full program's client.
class HandOverRemoteDocuments : public RemoteDocuments {
  public:
    std::string Connect(const std::string&) override {
        HandOverToFullProgram();
        return "";
    }
    bool FileExists(const std::string&) override { return false; }
    bool FailureReported() const override { return false; }
};

}  // namespace

void StartProgram(int, char** argv) {
    gArguments = argv;
}

void HandOverToFullProgram() {
    const std::string program = FullProgram().string();
    std::cout.flush();
    ::execv(program.c_str(), gArguments);
    std::cerr << "htmlsim-cli: cannot start '" << program << "': " << std::strerror(errno) << '\n';
    std::exit(kExitFailure);
}

std::unique_ptr<Pictures> MakePictureSizes() {
    return std::make_unique<HeaderPictureSizes>();
}

std::unique_ptr<TextMeasurer> MakeTextMeasurer() {
    return std::make_unique<HandOverTextMeasurer>();
}

std::unique_ptr<RemoteDocuments> MakeRemoteDocuments(Session&, CliDialogs&) {
    return std::make_unique<HandOverRemoteDocuments>();
}

}  // namespace htmlsim::cli
