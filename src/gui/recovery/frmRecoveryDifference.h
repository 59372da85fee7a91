#pragma once

class QWidget;

namespace htmlsim {
struct RecoverableCopy;
}

namespace htmlsim::gui {

// The file as it is now and the recovered copy side by side, read-only, changed lines marked.
void ShowRecoveryDifference(const RecoverableCopy& copy, QWidget* parent);

}  // namespace htmlsim::gui
