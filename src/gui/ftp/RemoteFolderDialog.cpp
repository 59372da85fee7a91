#include "ftp/RemoteFolderDialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "ftp/RemoteBrowser.h"

namespace htmlsim::gui {

RemoteFolderDialog::RemoteFolderDialog(RemoteFolderLister& lister, const std::string& startFolder,
                                       QWidget* parent)
    : QDialog(parent),
      mBrowser(new RemoteBrowser(lister, false)),
      mButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
    setWindowTitle(tr("Set Remote Working Folder"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mBrowser, 1);
    layout->addWidget(mButtons);
    connect(mButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(mButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (!mBrowser->GoTo(startFolder)) {
        mBrowser->GoTo("/");
    }
    resize(420, 360);
}

const std::string& RemoteFolderDialog::Folder() const {
    return mBrowser->Folder();
}

}  // namespace htmlsim::gui
