#include "record/SessionKind.h"

#include <string_view>

namespace htmlsim {

std::optional<std::string> RecordingRefusal(const char* sessionType, const char* waylandDisplay,
                                            bool x11ClientOnly) {
    const bool wayland = (sessionType != nullptr && std::string_view(sessionType) == "wayland") ||
                         (waylandDisplay != nullptr && *waylandDisplay != '\0');
    if (!wayland || x11ClientOnly) {
        return std::nullopt;
    }
    return "Recording works in an X11 session only: on Wayland the pictures of Wayland windows "
           "come back black. If the application you record is an X11 client, record with "
           "--x11-only.";
}

}  // namespace htmlsim
