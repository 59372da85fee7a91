#include "TypedKeys.h"

#include "util/RuntimeError.h"

#include <X11/Xlib-xcb.h>
#include <xkbcommon/xkbcommon-x11.h>

namespace htmlsim::record {

TypedKeys::TypedKeys(_XDisplay* display) {
    xcb_connection_t* connection = XGetXCBConnection(display);
    mContext = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (mContext == nullptr ||
        !xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
        xkb_context_unref(mContext);
        throw RuntimeError("The X server has no XKB extension; recording needs it.");
    }
    const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    mKeymap =
        xkb_x11_keymap_new_from_device(mContext, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS);
    mState = mKeymap ? xkb_x11_state_new_from_device(mKeymap, connection, device) : nullptr;
    if (mState == nullptr) {
        xkb_keymap_unref(mKeymap);
        xkb_context_unref(mContext);
        throw RuntimeError("The keyboard's layout cannot be read.");
    }
}

TypedKeys::~TypedKeys() {
    xkb_state_unref(mState);
    xkb_keymap_unref(mKeymap);
    xkb_context_unref(mContext);
}

TypedKeys::Key TypedKeys::KeyPressed(unsigned keycode) {
    Key key;
    key.keysym = xkb_state_key_get_one_sym(mState, keycode);
    char text[64] = {};
    xkb_state_key_get_utf8(mState, keycode, text, sizeof text);
    const auto first = static_cast<unsigned char>(text[0]);
    // Control characters (Tab, Return, Escape, Delete) type nothing a balloon could show.
    if (first >= 0x20 && first != 0x7F) {
        key.text = text;
    }
    xkb_state_update_key(mState, keycode, XKB_KEY_DOWN);
    return key;
}

void TypedKeys::KeyReleased(unsigned keycode) {
    xkb_state_update_key(mState, keycode, XKB_KEY_UP);
}

}  // namespace htmlsim::record
