#pragma once

#include <QDialog>

namespace htmlsim::gui {

// The program's title, version and what it is for.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);
};

}  // namespace htmlsim::gui
