#pragma once

#include <optional>
#include <string>

namespace htmlsim {

// Why recording is refused in this desktop session, none when it may go ahead: X11 grabs of
// Wayland windows come back black, so a Wayland session records only an X11 application, and
// only when the user says that is what is recorded.
std::optional<std::string> RecordingRefusal(const char* sessionType, const char* waylandDisplay,
                                            bool x11ClientOnly);

}  // namespace htmlsim
