// The session's stateful test over steps the fuzzer chooses: the first byte picks the page the
// session starts on, then five bytes a step (the command, then the number its choices come
// from). Any broken rule aborts with the case, to be kept as a regression case.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "HeadlessMachineWindow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace htmlsim::testing;
    constexpr size_t kStepBytes = 5;
    constexpr size_t kMostSteps = 150;
    if (size == 0) {
        return 0;
    }
    MachineCase machineCase;
    machineCase.startPage = data[0] % 4;
    for (size_t at = 1; at + kStepBytes <= size && machineCase.steps.size() < kMostSteps;
         at += kStepBytes) {
        const uint32_t choice = data[at + 1] | data[at + 2] << 8 | data[at + 3] << 16 |
                                static_cast<uint32_t>(data[at + 4]) << 24;
        machineCase.steps.push_back({data[at] % MachineCommandNames().size(), choice});
    }
    if (const auto broken = RunHeadless(machineCase).broken) {
        std::fprintf(stderr, "%s\n%s", broken->c_str(), CaseText(machineCase).c_str());
        std::abort();
    }
    return 0;
}
