#pragma once

#include <QImage>
#include <filesystem>
#include <string>

#include "ChildProcess.h"

struct _XDisplay;

namespace htmlsim::testing {

// A virtual display of its own (Xvfb on the first free display number), what its windows show,
// and what a user does on it through XTest. The server ends with it.
class VirtualDisplay {
  public:
    explicit VirtualDisplay(const std::string& screen = "640x480x24");
    ~VirtualDisplay();

    const std::string& Name() const { return mName; }  // ":N"
    unsigned long Root() const;
    bool IsMapped(unsigned long window) const;
    // The server's time now: what it stamps on a property change of a window of ours.
    unsigned long ServerTime();
    // What the window (the root: the whole screen) shows now, read back through plain Xlib.
    QImage Screen(unsigned long window) const;

    // The pointer to a point of the window, and a press of a button or key there.
    void Move(unsigned long window, int x, int y);
    void Press(unsigned button);
    void Type(const std::string& keys);
    void TypeKey(const std::string& name);

  private:
    ChildProcess mServer;
    std::string mName;
    _XDisplay* mDisplay = nullptr;
    unsigned long mClock = 0;
};

// A picture file in the format screens are read back in, so that the two compare.
QImage ReadPicture(const std::filesystem::path& path);

}  // namespace htmlsim::testing
