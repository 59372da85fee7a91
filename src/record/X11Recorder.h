#pragma once

#include <QRect>
#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "record/Recording.h"

namespace htmlsim::record {

// What to record: the whole screen, one window (its place when recording starts) or a region
// of the screen; whether typed text is kept; the key that ends the recording.
struct RecorderOptions {
    unsigned long window = 0;
    QRect region;  // empty for the whole screen
    bool keys = false;
    std::string stopKey = "Pause";
};

// Told what the recorder does, for a window or a terminal to show.
class RecorderListener {
  public:
    virtual ~RecorderListener() = default;
    // The first screen is grabbed and presses are observed from now on.
    virtual void Started() {}
    // A screen was grabbed, at this X server time.
    virtual void FrameGrabbed(unsigned long /*serverTime*/) {}
    // The pointer came to rest at a point of the region, over a control the accessibility
    // interface named, or over none it knows.
    virtual void PointerRested(const QPoint& /*point*/,
                               const std::optional<AccessibleControl>& /*control*/) {}
    // A press became the start of page `number`.
    virtual void PressRecorded(int /*number*/, const RecordedPress& /*press*/) {}
};

// Records on the X11 display: presses are observed without being taken from the application
// (XInput2 raw events), the region is grabbed continuously into a ring of frames through shared
// memory, and each press's page gets the newest frame grabbed before it. Throws RuntimeError
// with the reason when the display or one of its extensions is missing.
class X11Recorder {
  public:
    explicit X11Recorder(const RecorderOptions& options);
    ~X11Recorder();
    X11Recorder(const X11Recorder&) = delete;
    X11Recorder& operator=(const X11Recorder&) = delete;

    QRect Region() const;
    // Windows whose presses are not recorded (the recorder's own indicator).
    void IgnorePressesOn(unsigned long window);

    // Records until the stop key is pressed or Stop() is called, then finishes the recording
    // with the screen at that moment. Failures end it with a RuntimeError.
    void Run(Recording& recording, RecorderListener& listener);
    // May be called from any thread.
    void Stop() { mStopRequested = true; }

  private:
    class Display;
    std::unique_ptr<Display> mDisplay;
    std::atomic<bool> mStopRequested = false;
};

}  // namespace htmlsim::record
