#pragma once

#include <optional>

namespace htmlsim {

// When the recovery copy of a changed document is written: a short quiet moment after the last
// change, so a burst of typing is one write, but no later than a fixed wait after the first
// change not yet written, so steady typing is kept too. Times are seconds of one clock.
class RecoverySchedule {
  public:
    static constexpr double kQuietSeconds = 2.0;
    static constexpr double kLongestWaitSeconds = 30.0;

    void Changed(double now);
    // The copy holds every change so far (or none is needed any more).
    void Settled();

    // When the copy is to be written; none while nothing waits.
    std::optional<double> NextDeadline() const;
    bool Due(double now) const;

  private:
    std::optional<double> mFirstUnwritten;
    double mLastChange = 0;
};

}  // namespace htmlsim
