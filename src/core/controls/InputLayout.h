#pragma once

#include <cstdint>
#include <string>

namespace htmlsim {

// The element an input shows in miniature; None for FILE, HIDDEN, IMAGE and RESET.
enum class InputChild { None, TextBox, Button, CheckBox, OptionButton, ComboBox };

struct PixelRect {
    int16_t Left = 0;
    int16_t Top = 0;
    int16_t Width = 0;
    int16_t Height = 0;
};

// Where an input's miniature and its caption stand inside the control, in pixels.
struct InputLayout {
    InputChild Child = InputChild::None;
    PixelRect ChildBounds;
    // The text the child shows: a text box's text ("*" per character for a password), a
    // button's caption, the caption of a check or option button, the combo box's text.
    std::string ChildText;
    bool Masked = false;  // a password: ChildText hides the value
    bool Checked = false;
    bool CaptionVisible = false;
    PixelRect CaptionBounds;
    std::string CaptionText;
};

}  // namespace htmlsim
