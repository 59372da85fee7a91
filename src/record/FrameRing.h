#pragma once

#include <QImage>
#include <cstddef>
#include <deque>
#include <optional>

namespace htmlsim::record {

// The last few distinct screens, each with the X server time just after it was grabbed. A
// press takes the newest screen grabbed before it, so its page shows what the user saw, not
// what the press changed. Memory is bounded by the capacity whatever the recording's length.
class FrameRing {
  public:
    explicit FrameRing(size_t capacity) : mCapacity(capacity) {}

    // A screen equal to the newest one is not kept again: the newest stays the one to show.
    void Add(unsigned long serverTime, const QImage& screen);
    // The newest screen grabbed strictly before the time; the oldest when every one is as late
    // (a press within the millisecond of the first grab); none while the ring is empty.
    std::optional<QImage> NewestBefore(unsigned long serverTime) const;

  private:
    struct Frame {
        unsigned long time;
        QImage screen;
    };
    size_t mCapacity;
    std::deque<Frame> mFrames;
};

}  // namespace htmlsim::record
