#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "remote/FtpDialogs.h"
#include "util/FileFilter.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QToolButton;

namespace htmlsim::gui {

// Shows one remote folder at a time: its folders first, then, when files are wanted, the files
// that match the filter. A double click opens a folder; the folder box takes a typed path.
class RemoteBrowser : public QWidget {
    Q_OBJECT
  public:
    RemoteBrowser(RemoteFolderLister& lister, bool showFiles, QWidget* parent = nullptr);

    // Lists the folder and makes it the shown one; false (the shown folder stays) when the
    // server cannot list it: the lister has told the user why.
    bool GoTo(const std::string& folder);
    void GoUp();
    const std::string& Folder() const { return mFolder; }
    void SetFilter(const FileFilterChoice& choice);

    // Whether the shown folder holds a folder or a file of that name.
    bool HasFolder(const std::string& name) const;
    bool HasFile(const std::string& name) const;

    QListWidget* List() const { return mList; }
    QLineEdit* FolderEdit() const { return mFolderEdit; }
    QToolButton* UpButton() const { return mUp; }

  signals:
    void FileClicked(const QString& name);
    void FileActivated(const QString& name);
    void FolderChanged();

  private:
    void ShowEntries();
    void OnActivated(QListWidgetItem* item);
    bool Has(const std::string& name, bool isFolder) const;

    RemoteFolderLister& mLister;
    bool mShowFiles;
    std::string mFolder = "/";
    std::vector<RemoteEntry> mEntries;
    FileFilterChoice mFilter;
    QLineEdit* mFolderEdit;
    QToolButton* mUp;
    QListWidget* mList;
};

}  // namespace htmlsim::gui
