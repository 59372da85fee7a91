#pragma once

#include <xkbcommon/xkbcommon.h>
#include <string>

struct _XDisplay;

namespace htmlsim::record {

// What a key press means with the keyboard's layout and the modifiers held at that moment,
// followed from the raw key events (which carry no modifiers) through xkbcommon.
class TypedKeys {
  public:
    // Throws RuntimeError when the server has no XKB.
    explicit TypedKeys(_XDisplay* display);
    ~TypedKeys();
    TypedKeys(const TypedKeys&) = delete;
    TypedKeys& operator=(const TypedKeys&) = delete;

    struct Key {
        xkb_keysym_t keysym = 0;
        std::string text;  // printable text, "" for keys that type nothing
    };
    // Call for every press, before KeyReleased for the same key.
    Key KeyPressed(unsigned keycode);
    void KeyReleased(unsigned keycode);

  private:
    xkb_context* mContext = nullptr;
    xkb_keymap* mKeymap = nullptr;
    xkb_state* mState = nullptr;
};

}  // namespace htmlsim::record
