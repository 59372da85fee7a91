#pragma once

#include <QDialog>
#include <string>

#include "remote/FtpDialogs.h"

class QDialogButtonBox;

namespace htmlsim::gui {

class RemoteBrowser;

// Lets the user walk the server's folders and choose the working folder.
class RemoteFolderDialog : public QDialog {
    Q_OBJECT
  public:
    RemoteFolderDialog(RemoteFolderLister& lister, const std::string& startFolder,
                       QWidget* parent = nullptr);

    // The folder shown when the user pressed OK.
    const std::string& Folder() const;
    RemoteBrowser* Browser() const { return mBrowser; }
    QDialogButtonBox* Buttons() const { return mButtons; }

  private:
    RemoteBrowser* mBrowser;
    QDialogButtonBox* mButtons;
};

}  // namespace htmlsim::gui
