#include "ftp/RemoteBrowser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "QtText.h"
#include "remote/FtpClient.h"
#include "remote/PathNames.h"

namespace htmlsim::gui {

namespace {

constexpr int kIsFolderRole = Qt::UserRole;
constexpr int kNameRole = Qt::UserRole + 1;

bool ComesFirst(const RemoteEntry& a, const RemoteEntry& b) {
    if (a.isFolder != b.isFolder) {
        return a.isFolder;
    }
    return ToQString(a.name).compare(ToQString(b.name), Qt::CaseInsensitive) < 0;
}

}  // namespace

RemoteBrowser::RemoteBrowser(RemoteFolderLister& lister, bool showFiles, QWidget* parent)
    : QWidget(parent),
      mLister(lister),
      mShowFiles(showFiles),
      mFolderEdit(new QLineEdit),
      mUp(new QToolButton),
      mList(new QListWidget) {
    mUp->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    mUp->setToolTip(tr("Up one folder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(tr("Folder:")));
    folderRow->addWidget(mFolderEdit, 1);
    folderRow->addWidget(mUp);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(folderRow);
    layout->addWidget(mList, 1);

    connect(mUp, &QToolButton::clicked, this, &RemoteBrowser::GoUp);
    connect(mFolderEdit, &QLineEdit::returnPressed, this, [this] {
        if (!GoTo(FromQString(mFolderEdit->text().trimmed()))) {
            mFolderEdit->setText(ToQString(mFolder));
        }
    });
    connect(mList, &QListWidget::itemActivated, this, &RemoteBrowser::OnActivated);
    connect(mList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!item->data(kIsFolderRole).toBool()) {
            emit FileClicked(item->data(kNameRole).toString());
        }
    });
}

bool RemoteBrowser::GoTo(const std::string& folder) {
    const std::string target = NormalizeRemoteFolder(JoinRemotePath(mFolder, folder));
    auto entries = mLister.ListRemoteFolder(target);
    if (!entries) {
        return false;
    }
    std::sort(entries->begin(), entries->end(), ComesFirst);
    mEntries = std::move(*entries);
    mFolder = target;
    mFolderEdit->setText(ToQString(mFolder));
    mUp->setEnabled(mFolder != "/");
    ShowEntries();
    emit FolderChanged();
    return true;
}

void RemoteBrowser::GoUp() {
    if (mFolder != "/") {
        GoTo(SplitFTPPath(mFolder.substr(0, mFolder.size() - 1)).folder);
    }
}

void RemoteBrowser::SetFilter(const FileFilterChoice& choice) {
    mFilter = choice;
    ShowEntries();
}

bool RemoteBrowser::Has(const std::string& name, bool isFolder) const {
    return std::any_of(mEntries.begin(), mEntries.end(), [&](const RemoteEntry& entry) {
        return entry.isFolder == isFolder && entry.name == name;
    });
}

bool RemoteBrowser::HasFolder(const std::string& name) const {
    return Has(name, true);
}

bool RemoteBrowser::HasFile(const std::string& name) const {
    return Has(name, false);
}

void RemoteBrowser::ShowEntries() {
    mList->clear();
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const auto& entry : mEntries) {
        if (!entry.isFolder && (!mShowFiles || !MatchesFileFilterChoice(entry.name, mFilter))) {
            continue;
        }
        const QString name = ToQString(entry.name);
        auto* item = new QListWidgetItem(entry.isFolder ? folderIcon : fileIcon,
                                         entry.isFolder ? name + "/" : name, mList);
        item->setData(kIsFolderRole, entry.isFolder);
        item->setData(kNameRole, name);
    }
}

void RemoteBrowser::OnActivated(QListWidgetItem* item) {
    const QString name = item->data(kNameRole).toString();
    if (item->data(kIsFolderRole).toBool()) {
        GoTo(FromQString(name));
    } else {
        emit FileActivated(name);
    }
}

}  // namespace htmlsim::gui
