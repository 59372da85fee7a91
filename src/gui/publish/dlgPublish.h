#pragma once

#include <QDialog>

#include "publish/Publish.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace htmlsim {
class Dialogs;
class Session;
}  // namespace htmlsim

namespace htmlsim::gui {

// File > Publish...: where the player goes and how it is set up. The folder is chosen through
// the window's dialogs.
class dlgPublish : public QDialog {
  public:
    dlgPublish(QWidget* owner, Dialogs& dialogs, const std::string& startFolder,
               const std::string& title);

    // What the fields ask for; the starting page is the caller's.
    PublishRequest Request() const;

  private:
    void UpdateOk();

    QLineEdit* mFolder;
    QLineEdit* mTitle;
    QSpinBox* mPass;
    QComboBox* mScorm;
    QCheckBox* mZip;
    QPushButton* mOk = nullptr;
};

// File > Publish...: asks how, then publishes the open document's simulation.
void PublishMenuCommand(Session& session, QWidget* window);

// Tools > Preview Published (F6): publishes into the temporary folder and opens the player in
// the user's default browser.
void PreviewPublishedCommand(Session& session);

}  // namespace htmlsim::gui
