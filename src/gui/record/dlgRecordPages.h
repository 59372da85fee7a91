#pragma once

#include <QDialog>
#include <string>

#include "X11Recorder.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace htmlsim {
class Dialogs;
class Session;
}  // namespace htmlsim

namespace htmlsim::gui {

// Tools > Record Pages...: what to record (the whole screen, one window picked by clicking it,
// or a region), into which folder under which page names, and whether typed text is kept.
class dlgRecordPages : public QDialog {
  public:
    dlgRecordPages(QWidget* owner, Dialogs& dialogs, const std::string& startFolder);

    std::string Folder() const;
    std::string Prefix() const;
    // The window chosen is picked when Start is pressed.
    bool PickWindow() const;
    record::RecorderOptions Options() const;

  private:
    QRadioButton* mWholeScreen;
    QRadioButton* mWindow;
    QRadioButton* mRegion;
    QSpinBox* mRegionBox[4];
    QLineEdit* mFolder;
    QLineEdit* mPrefix;
    QCheckBox* mKeys;
};

// Tools > Record Pages...: asks how, hides the editor while an indicator counts the pages and
// offers Stop, then opens the first page recorded.
void RecordPagesCommand(Session& session, QWidget* window);

}  // namespace htmlsim::gui
