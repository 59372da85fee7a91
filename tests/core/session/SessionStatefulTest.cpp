#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "HeadlessMachineWindow.h"
#include "TempFolder.h"
#include "session/PlantedFaults.h"

namespace htmlsim::testing {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

// Fewer steps under the sanitizers, where each costs ten times as much; the environment may ask
// for more (or another seed) when hunting.
int StepsToRun() {
    const char* steps = std::getenv("HTMLSIM_STATEFUL_STEPS");
    return steps ? std::atoi(steps) : kSanitized ? 2000 : 20000;
}
uint32_t Seed() {
    const char* seed = std::getenv("HTMLSIM_STATEFUL_SEED");
    return seed ? static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)) : 21;
}

MachineCase RandomCase(std::mt19937& random) {
    MachineCase machineCase;
    machineCase.startPage = static_cast<int>(random() % 4);
    const size_t length = 1 + random() % 150;
    for (size_t k = 0; k < length; ++k) {
        machineCase.steps.push_back(
            {random() % MachineCommandNames().size(), static_cast<uint32_t>(random())});
    }
    return machineCase;
}

// The rule a failure names: "[files]", "[tab]" ...
std::string RuleOf(const std::string& failure) {
    const size_t start = failure.find('[');
    return failure.substr(start, failure.find(']', start) - start + 1);
}

// Leaves out every run of steps the case still fails without, by the same rule, longest runs
// first.
MachineCase Shrunk(MachineCase machineCase, const std::string& rule) {
    for (size_t run = machineCase.steps.size() / 2; run > 0; run /= 2) {
        for (size_t k = machineCase.steps.size(); k-- > 0;) {
            MachineCase fewer = machineCase;
            const auto first = fewer.steps.begin() + static_cast<std::ptrdiff_t>(k);
            fewer.steps.erase(
                first, first + static_cast<std::ptrdiff_t>(std::min(run, fewer.steps.size() - k)));
            const auto broken = RunHeadless(fewer).broken;
            if (broken && RuleOf(*broken) == rule) {
                machineCase = std::move(fewer);
            }
        }
    }
    return machineCase;
}

struct RandomRun {
    SessionMachine::Counts counts;
    std::optional<std::string> failure;  // with the seed and the shrunk case
};

// Random cases until the steps are done or a rule is broken.
RandomRun RunRandomCases(uint32_t seed, int steps) {
    std::mt19937 random(seed);
    RandomRun run;
    while (run.counts.steps < steps) {
        const MachineCase machineCase = RandomCase(random);
        const MachineOutcome outcome = RunHeadless(machineCase);
        for (const auto& [name, count] : outcome.counts.commands) {
            run.counts.commands[name] += count;
        }
        for (const auto& [kind, count] : outcome.counts.documentKinds) {
            run.counts.documentKinds[kind] += count;
        }
        run.counts.ftpFailures += outcome.counts.ftpFailures;
        run.counts.steps += outcome.counts.steps;
        if (outcome.broken) {
            const MachineCase shrunk = Shrunk(machineCase, RuleOf(*outcome.broken));
            run.failure = "seed " + std::to_string(seed) + ": " + *outcome.broken + "\nshrunk to " +
                          std::to_string(shrunk.steps.size()) + " steps (" +
                          RunHeadless(shrunk).broken.value_or("?") + "):\n" + CaseText(shrunk);
            break;
        }
    }
    return run;
}

// Brings a mended fault back for one test.
class Planted {
  public:
    explicit Planted(bool PlantedFaults::*fault) : mFault(fault) { gPlantedFaults.*mFault = true; }
    ~Planted() { gPlantedFaults.*mFault = false; }
    Planted(const Planted&) = delete;
    Planted& operator=(const Planted&) = delete;

  private:
    bool PlantedFaults::*mFault;
};

TEST(SessionStateful, RandomSequencesKeepEveryRule) {
    const int steps = StepsToRun();
    const auto start = std::chrono::steady_clock::now();
    const RandomRun run = RunRandomCases(Seed(), steps);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_FALSE(run.failure) << *run.failure;

    std::cout << run.counts.steps << " steps in " << seconds << " s; " << run.counts.ftpFailures
              << " injected FTP failures\n";
    for (const auto& [kind, count] : run.counts.documentKinds) {
        std::cout << "  " << kind << ": " << count << " steps\n";
        EXPECT_GE(count, steps / 20) << kind;
    }
    for (const auto& name : MachineCommandNames()) {
        const int count = run.counts.commands.contains(name) ? run.counts.commands.at(name) : 0;
        std::cout << "  " << name << ": " << count << "\n";
        EXPECT_GE(count, steps / 100) << name;
    }
    EXPECT_EQ(run.counts.documentKinds.size(), 4u);
    EXPECT_GE(run.counts.ftpFailures, steps / 40);
}

// The cases a failure was once shrunk to, in tests/data/session-sequences; those named
// "planted-" fail only with their fault brought back (the file name says which).
TEST(SessionStateful, RegressionCasesKeepEveryRule) {
    int cases = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(HTMLSIM_TEST_DATA "/session-sequences")) {
        const auto machineCase = ParseCase(ReadFileBytes(entry.path()));
        ASSERT_TRUE(machineCase) << entry.path();
        const auto broken = RunHeadless(*machineCase).broken;
        EXPECT_FALSE(broken) << entry.path() << ": " << *broken;
        ++cases;
    }
    EXPECT_GT(cases, 0);
}

// Self-check: with either mended fault brought back, the random run finds it, and so do the
// cases it was once shrunk to.
TEST(SessionStateful, PlantedFaultsAreFound) {
    const std::pair<bool PlantedFaults::*, std::vector<std::string>> faults[] = {
        {&PlantedFaults::windowMissesTabChanges, {"planted-window-misses-tab-changes.txt"}},
        {&PlantedFaults::failedStepsChangeState,
         {"planted-failed-steps-change-state.txt", "planted-failed-save-as-keeps-its-name.txt"}}};
    for (const auto& [fault, caseFiles] : faults) {
        Planted planted(fault);
        const RandomRun run = RunRandomCases(Seed(), StepsToRun());
        ASSERT_TRUE(run.failure) << caseFiles.front();
        std::cout << "Planted fault found after " << run.counts.steps << " steps, " << *run.failure
                  << "\n";
        for (const auto& caseFile : caseFiles) {
            const auto fixed = ParseCase(TestDataFile("session-sequences/" + caseFile));
            ASSERT_TRUE(fixed) << caseFile;
            EXPECT_TRUE(RunHeadless(*fixed).broken) << caseFile;
        }
    }
}

}  // namespace
}  // namespace htmlsim::testing
