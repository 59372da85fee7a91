#pragma once

#include "session/SessionView.h"

namespace htmlsim {

// The hourglass for the length of a command; commands may nest.
class BusyPointer {
  public:
    explicit BusyPointer(SessionView& view) : mView(view) { mView.SetBusy(true); }
    ~BusyPointer() { mView.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    SessionView& mView;
};

}  // namespace htmlsim
