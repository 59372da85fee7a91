#include "AccessibleControls.h"

#include <atspi/atspi.h>

#include <cstdlib>

namespace htmlsim::record {

namespace {

// An answer that does not come within this time will not come in time for the press.
constexpr int kBusTimeoutMilliseconds = 500;

// Owns one reference of a GLib object.
template <typename T>
class Ref {
  public:
    explicit Ref(T* object = nullptr) : mObject(object) {}
    ~Ref() { Reset(nullptr); }
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    void Reset(T* object) {
        if (mObject != nullptr) {
            g_object_unref(mObject);
        }
        mObject = object;
    }
    T* Get() const { return mObject; }
    T* Release() {
        T* object = mObject;
        mObject = nullptr;
        return object;
    }

  private:
    T* mObject;
};

// Containers and windows are no control a learner clicks: the box around the press fits better.
bool IsControl(AtspiRole role) {
    switch (role) {
        case ATSPI_ROLE_FRAME:
        case ATSPI_ROLE_WINDOW:
        case ATSPI_ROLE_DIALOG:
        case ATSPI_ROLE_PANEL:
        case ATSPI_ROLE_FILLER:
        case ATSPI_ROLE_APPLICATION:
        case ATSPI_ROLE_DESKTOP_FRAME:
        case ATSPI_ROLE_SCROLL_PANE:
        case ATSPI_ROLE_VIEWPORT:
        case ATSPI_ROLE_UNKNOWN:
        case ATSPI_ROLE_INVALID:
            return false;
        default:
            return true;
    }
}

bool Contains(AtspiAccessible* accessible, int x, int y) {
    Ref<AtspiComponent> component(atspi_accessible_get_component_iface(accessible));
    return component.Get() != nullptr &&
           atspi_component_contains(component.Get(), x, y, ATSPI_COORD_TYPE_SCREEN, nullptr);
}

// The top-level window of any application that holds the point.
AtspiAccessible* WindowAt(int x, int y) {
    Ref<AtspiAccessible> desktop(atspi_get_desktop(0));
    const int applications = atspi_accessible_get_child_count(desktop.Get(), nullptr);
    for (int a = 0; a < applications; ++a) {
        Ref<AtspiAccessible> application(
            atspi_accessible_get_child_at_index(desktop.Get(), a, nullptr));
        if (application.Get() == nullptr) {
            continue;
        }
        const int windows = atspi_accessible_get_child_count(application.Get(), nullptr);
        for (int w = 0; w < windows; ++w) {
            Ref<AtspiAccessible> window(
                atspi_accessible_get_child_at_index(application.Get(), w, nullptr));
            if (window.Get() != nullptr && Contains(window.Get(), x, y)) {
                return window.Release();
            }
        }
    }
    return nullptr;
}

AtspiAccessible* DeepestAt(AtspiAccessible* top, int x, int y) {
    Ref<AtspiAccessible> current(top);
    for (int depth = 0; depth < 64; ++depth) {
        Ref<AtspiComponent> component(atspi_accessible_get_component_iface(current.Get()));
        if (component.Get() == nullptr) {
            break;
        }
        AtspiAccessible* child = atspi_component_get_accessible_at_point(
            component.Get(), x, y, ATSPI_COORD_TYPE_SCREEN, nullptr);
        if (child == nullptr || child == current.Get()) {
            if (child != nullptr) {
                g_object_unref(child);
            }
            break;
        }
        current.Reset(child);
    }
    return current.Release();
}

}  // namespace

AccessibleControls::AccessibleControls() {
    // Without a session bus the library would wait for one; there is nothing to ask then.
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) {
        return;
    }
    mAvailable = atspi_init() >= 0;
    if (mAvailable) {
        atspi_set_timeout(kBusTimeoutMilliseconds, kBusTimeoutMilliseconds);
    }
}

AccessibleControls::~AccessibleControls() {
    if (mAvailable) {
        atspi_exit();
    }
}

std::optional<AccessibleControl> AccessibleControls::At(int x, int y) const {
    if (!mAvailable) {
        return std::nullopt;
    }
    AtspiAccessible* window = WindowAt(x, y);
    if (window == nullptr) {
        return std::nullopt;
    }
    Ref<AtspiAccessible> control(DeepestAt(window, x, y));
    const AtspiRole role = atspi_accessible_get_role(control.Get(), nullptr);
    Ref<AtspiComponent> component(atspi_accessible_get_component_iface(control.Get()));
    if (!IsControl(role) || component.Get() == nullptr) {
        return std::nullopt;
    }
    AtspiRect* extents =
        atspi_component_get_extents(component.Get(), ATSPI_COORD_TYPE_SCREEN, nullptr);
    if (extents == nullptr) {
        return std::nullopt;
    }
    AccessibleControl found;
    found.bounds = {extents->x, extents->y, extents->width, extents->height};
    g_free(extents);
    if (gchar* name = atspi_accessible_get_name(control.Get(), nullptr)) {
        found.name = name;
        g_free(name);
    }
    found.isPassword = role == ATSPI_ROLE_PASSWORD_TEXT;
    found.isTextField = found.isPassword || role == ATSPI_ROLE_TEXT || role == ATSPI_ROLE_ENTRY;
    return found;
}

}  // namespace htmlsim::record
