#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "remote/FtpDialogs.h"
#include "util/FileFilter.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace htmlsim::gui {

class RemoteBrowser;

// Chooses a remote file to open or a remote name to save under. The list shows the server's
// folders and the files that match the selected filter.
class RemoteFileDialog : public QDialog {
    Q_OBJECT
  public:
    RemoteFileDialog(RemoteFolderLister& lister, const RemoteFileRequest& request,
                     QWidget* parent = nullptr);

    // The absolute path accepted, "" before.
    const std::string& ChosenPath() const { return mChosenPath; }

    // Takes the typed name: opens a folder of that name, or accepts the file (a file that must
    // exist and is not listed is refused with a note in the dialog).
    void TryAccept();

    RemoteBrowser* Browser() const { return mBrowser; }
    QComboBox* FilterBox() const { return mFilterBox; }
    QLineEdit* NameEdit() const { return mNameEdit; }
    QLabel* Note() const { return mNote; }

  private:
    void ApplyFilter(int index);

    RemoteFileRequest mRequest;
    std::vector<FileFilterChoice> mFilters;
    std::string mChosenPath;
    RemoteBrowser* mBrowser;
    QComboBox* mFilterBox;
    QLineEdit* mNameEdit;
    QLabel* mNote;
    QDialogButtonBox* mButtons;
};

}  // namespace htmlsim::gui
