#pragma once

#include <string>

namespace htmlsim {

// Told about each page before the walk reads it, so that a window can show how far it is, and
// when the walk is over, before its outcome is shown.
class SimulationProgress {
  public:
    virtual ~SimulationProgress() = default;
    virtual void ReadingPage(int pagesVisited, const std::string& path) = 0;
    virtual void WalkEnded() = 0;
};

// For a walk nobody watches.
class NoSimulationProgress : public SimulationProgress {
  public:
    void ReadingPage(int, const std::string&) override {}
    void WalkEnded() override {}
};

}  // namespace htmlsim
