// A long recording timed: 200 presses on the test application under a virtual display of
// 1280 x 1024, as a user would make them, recorded through htmlsim-cli (the whole screen).
// Prints the recorder's processor time per page, its peak memory, and how long it took to
// finish (last page, Sim.js) after the stop key.
// Run as build/bench/record_bench [PRESSES] with HTMLSIM_CLI=build/src/cli/htmlsim-cli and
// HTMLSIM_RECORD_TARGET=build/tests/record/record_target in the environment.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "RecordedApplication.h"
#include "TempFolder.h"

int main(int argc, char** argv) {
    using namespace htmlsim::testing;
    const int presses = argc > 1 ? std::atoi(argv[1]) : 200;
    TempFolder folder;
    RecordedApplication application(folder.Path(), "1280x1024x24", true);
    const auto start = std::chrono::steady_clock::now();
    application.Press("Open", 1);
    application.Press("Options", 3);
    for (int press = 3; press <= presses; ++press) {
        application.Press("Go", 1);
    }
    const auto stopped = std::chrono::steady_clock::now();
    const ChildProcess::Usage used = application.Stop();
    const auto finished = std::chrono::steady_clock::now();
    const auto seconds = [](auto duration) {
        return std::chrono::duration<double>(duration).count();
    };
    std::printf("presses: %d, pages: %d, exit status: %d\n", presses, presses + 1, used.exitStatus);
    std::printf("recording (paced by the driver): %.1f s, %.1f ms per press\n",
                seconds(stopped - start), 1000 * seconds(stopped - start) / presses);
    std::printf("recorder processor time: %.2f s, %.1f ms per page\n", used.processorSeconds,
                1000 * used.processorSeconds / (presses + 1));
    std::printf("recorder peak memory: %.1f MB\n", static_cast<double>(used.peakKilobytes) / 1024);
    std::printf("stop key to last page and Sim.js written: %.2f s\n", seconds(finished - stopped));
    return used.exitStatus;
}
