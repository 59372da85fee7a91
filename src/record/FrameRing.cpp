#include "FrameRing.h"

#include <cstdint>

namespace htmlsim::record {

void FrameRing::Add(unsigned long serverTime, const QImage& screen) {
    if (!mFrames.empty() && mFrames.back().screen == screen) {
        return;
    }
    mFrames.push_back({serverTime, screen});
    if (mFrames.size() > mCapacity) {
        mFrames.pop_front();
    }
}

std::optional<QImage> FrameRing::NewestBefore(unsigned long serverTime) const {
    for (auto frame = mFrames.rbegin(); frame != mFrames.rend(); ++frame) {
        // Server time is a 32-bit millisecond counter that wraps after 49 days.
        const auto later = static_cast<uint32_t>(serverTime) - static_cast<uint32_t>(frame->time);
        if (static_cast<int32_t>(later) > 0) {
            return frame->screen;
        }
    }
    if (mFrames.empty()) {
        return std::nullopt;
    }
    return mFrames.front().screen;
}

}  // namespace htmlsim::record
