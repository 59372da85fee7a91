#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "CliCommand.h"
#include "CliDialogs.h"
#include "CliSession.h"
#include "X11Recorder.h"
#include "record/Recording.h"
#include "record/SessionKind.h"

namespace htmlsim::cli {

namespace {

struct RecordRequest {
    std::string folder;
    std::string prefix = "page";
    record::RecorderOptions options;
    bool x11ClientOnly = false;
    bool reportFrames = false;
};

QRect RegionArgument(const std::string& text) {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%d,%d,%d,%d%c", &x, &y, &width, &height, &end) != 4 ||
        width <= 0 || height <= 0) {
        throw UsageError();
    }
    return {x, y, width, height};
}

unsigned long WindowArgument(const std::string& text) {
    char* end = nullptr;
    const unsigned long window = std::strtoul(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || window == 0) {
        throw UsageError();
    }
    return window;
}

RecordRequest ParseArguments(const std::vector<std::string>& args) {
    RecordRequest request;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg == "--out") {
            request.folder = AbsolutePath(OptionValue(args, k));
        } else if (arg == "--window") {
            request.options.window = WindowArgument(OptionValue(args, k));
        } else if (arg == "--region") {
            request.options.region = RegionArgument(OptionValue(args, k));
        } else if (arg == "--prefix") {
            request.prefix = OptionValue(args, k);
        } else if (arg == "--stop-key") {
            request.options.stopKey = OptionValue(args, k);
        } else if (arg == "--keys") {
            request.options.keys = true;
        } else if (arg == "--x11-only") {
            request.x11ClientOnly = true;
        } else if (arg == "--report-frames") {
            request.reportFrames = true;
        } else {
            throw UsageError();
        }
    }
    if (request.folder.empty()) {
        throw UsageError();
    }
    return request;
}

// Tells the terminal what is recorded, one line each.
class TerminalListener : public record::RecorderListener {
  public:
    explicit TerminalListener(bool reportFrames) : mReportFrames(reportFrames) {}

    void FrameGrabbed(unsigned long serverTime) override {
        if (mReportFrames) {
            std::printf("frame %lu\n", serverTime);
            std::fflush(stdout);
        }
    }
    void PointerRested(const QPoint& point,
                       const std::optional<AccessibleControl>& control) override {
        if (mReportFrames) {
            std::printf("rest %d,%d %s\n", point.x(), point.y(),
                        control ? control->name.c_str() : "");
            std::fflush(stdout);
        }
    }
    void PressRecorded(int number, const RecordedPress& press) override {
        std::printf("page %d: %s click at %d,%d\n", number, press.rightButton ? "right" : "left",
                    press.x, press.y);
        std::fflush(stdout);
    }

  private:
    bool mReportFrames;
};

std::atomic<record::X11Recorder*> gRecorder = nullptr;

// Ctrl+C or a termination ends the recording as the stop key does: every page is written.
void StopOnSignal(int) {
    if (record::X11Recorder* recorder = gRecorder.load()) {
        recorder->Stop();
    }
}

int RunRecord(const std::vector<std::string>& args) {
    const RecordRequest request = ParseArguments(args);
    CliDialogs dialogs;
    if (const auto refusal =
            RecordingRefusal(std::getenv("XDG_SESSION_TYPE"), std::getenv("WAYLAND_DISPLAY"),
                             request.x11ClientOnly)) {
        dialogs.Message(*refusal, "", MessageIcon::Exclamation);
        return kExitFailure;
    }
    try {
        Recording recording(request.folder, request.prefix, dialogs);
        record::X11Recorder recorder(request.options);
        gRecorder = &recorder;
        std::signal(SIGINT, StopOnSignal);
        std::signal(SIGTERM, StopOnSignal);
        std::fprintf(stderr, "Recording; press %s to stop.\n", request.options.stopKey.c_str());
        TerminalListener listener(request.reportFrames);
        recorder.Run(recording, listener);
        gRecorder = nullptr;
        const int pages = recording.PageCount();
        std::printf("%d %s recorded in %s\n", pages, pages == 1 ? "page" : "pages",
                    request.folder.c_str());
    } catch (const std::exception& failure) {
        gRecorder = nullptr;
        dialogs.Message(failure.what(), "", MessageIcon::Critical);
        return kExitFailure;
    }
    return kExitSuccess;
}

const CliCommandRegistration kRecord(
    {"record",
     "--out DIR [--window ID | --region X,Y,W,H] [--prefix NAME] [--stop-key KEY] [--keys] "
     "[--x11-only] [--report-frames]",
     "records a simulation on the X11 display: each left or right press becomes a page of DIR "
     "(NAME001.html, ...; NAME is \"page\" unless given) whose picture is the screen just before "
     "it and whose area leads to the next page; the stop key (Pause unless given), Ctrl+C or "
     "termination ends it with a last page and writes Sim.js; --keys keeps text typed between "
     "presses (passwords too, where no accessibility interface tells a password field); "
     "--report-frames prints \"frame TIME\" for every screen grabbed and \"rest X,Y NAME\" "
     "where the pointer comes to rest, for scripts that drive the recorded application",
     RunRecord});

}  // namespace
}  // namespace htmlsim::cli
