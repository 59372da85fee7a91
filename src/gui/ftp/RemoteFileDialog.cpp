#include "ftp/RemoteFileDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "QtText.h"
#include "ftp/RemoteBrowser.h"
#include "remote/FtpClient.h"
#include "remote/PathNames.h"

namespace htmlsim::gui {

RemoteFileDialog::RemoteFileDialog(RemoteFolderLister& lister, const RemoteFileRequest& request,
                                   QWidget* parent)
    : QDialog(parent),
      mRequest(request),
      mFilters(ParseFileFilter(request.filter)),
      mBrowser(new RemoteBrowser(lister, true)),
      mFilterBox(new QComboBox),
      mNameEdit(new QLineEdit(ToQString(request.fileName))),
      mNote(new QLabel),
      mButtons(new QDialogButtonBox(QDialogButtonBox::Cancel)) {
    setWindowTitle(ToQString(request.title));
    for (const auto& choice : mFilters) {
        mFilterBox->addItem(ToQString(choice.description));
    }
    mFilterBox->setEnabled(!mFilters.empty());
    mNote->setWordWrap(true);
    mButtons->addButton(request.forSaving ? tr("&Save") : tr("&Open"),
                        QDialogButtonBox::AcceptRole);

    auto* form = new QFormLayout;
    form->addRow(tr("File &name:"), mNameEdit);
    form->addRow(tr("Files of &type:"), mFilterBox);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mBrowser, 1);
    layout->addLayout(form);
    layout->addWidget(mNote);
    layout->addWidget(mButtons);

    connect(mButtons, &QDialogButtonBox::accepted, this, &RemoteFileDialog::TryAccept);
    connect(mButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mFilterBox, &QComboBox::currentIndexChanged, this, &RemoteFileDialog::ApplyFilter);
    connect(mBrowser, &RemoteBrowser::FileClicked, mNameEdit, &QLineEdit::setText);
    connect(mBrowser, &RemoteBrowser::FileActivated, this, [this](const QString& name) {
        mNameEdit->setText(name);
        TryAccept();
    });
    connect(mBrowser, &RemoteBrowser::FolderChanged, mNote, &QLabel::clear);

    ApplyFilter(0);
    if (!mBrowser->GoTo(request.folder)) {
        mBrowser->GoTo("/");
    }
    mNameEdit->setFocus();
    resize(480, 400);
}

void RemoteFileDialog::ApplyFilter(int index) {
    if (index >= 0 && index < static_cast<int>(mFilters.size())) {
        mBrowser->SetFilter(mFilters[index]);
    }
}

void RemoteFileDialog::TryAccept() {
    const std::string name = FromQString(mNameEdit->text().trimmed());
    if (name.empty()) {
        return;
    }
    const std::string path = JoinRemotePath(mBrowser->Folder(), name);
    if (name.back() == '/' || mBrowser->HasFolder(name)) {
        if (mBrowser->GoTo(path)) {
            mNameEdit->clear();
        }
        return;
    }
    const bool listed = SplitFTPPath(path).folder == mBrowser->Folder() && mBrowser->HasFile(name);
    if (mRequest.mustExist && !listed) {
        mNote->setText(tr("The remote file '%1' does not exist.").arg(ToQString(path)));
        return;
    }
    mChosenPath = path;
    accept();
}

}  // namespace htmlsim::gui
