#include "recovery/RecoverySchedule.h"

#include <algorithm>

namespace htmlsim {

void RecoverySchedule::Changed(double now) {
    mLastChange = now;
    if (!mFirstUnwritten) {
        mFirstUnwritten = now;
    }
}

void RecoverySchedule::Settled() {
    mFirstUnwritten.reset();
}

std::optional<double> RecoverySchedule::NextDeadline() const {
    if (!mFirstUnwritten) {
        return std::nullopt;
    }
    return std::min(mLastChange + kQuietSeconds, *mFirstUnwritten + kLongestWaitSeconds);
}

bool RecoverySchedule::Due(double now) const {
    const auto deadline = NextDeadline();
    return deadline && now >= *deadline;
}

}  // namespace htmlsim
