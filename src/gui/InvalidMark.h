#pragma once

#include <QLineEdit>

namespace htmlsim::gui {

// Marks a box whose text is refused (red background) or clears the mark.
inline void MarkInvalid(QLineEdit* box, bool invalid) {
    box->setProperty("invalid", invalid);
    box->setStyleSheet(invalid ? "QLineEdit { background: #ffc8c8; }" : "");
}

}  // namespace htmlsim::gui
