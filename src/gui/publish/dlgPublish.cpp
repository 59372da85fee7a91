#include "publish/dlgPublish.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "PictureSizes.h"
#include "PreviewInBrowser.h"
#include "QtText.h"
#include "publish/PublishSession.h"

namespace htmlsim::gui {

dlgPublish::dlgPublish(QWidget* owner, Dialogs& dialogs, const std::string& startFolder,
                       const std::string& title)
    : QDialog(owner),
      mFolder(new QLineEdit(this)),
      mTitle(new QLineEdit(ToQString(title), this)),
      mPass(new QSpinBox(this)),
      mScorm(new QComboBox(this)),
      mZip(new QCheckBox("Also as a zip archive (simulation.zip)", this)) {
    setObjectName("dlgPublish");
    setWindowTitle("Publish");
    mFolder->setObjectName("txtFolder");
    mTitle->setObjectName("txtTitle");
    mPass->setObjectName("txtPassMark");
    mPass->setRange(0, 100);
    mPass->setValue(kDefaultPassPercent);
    mPass->setSuffix(" %");
    mScorm->setObjectName("cboScorm");
    mScorm->addItem("None (plain web pages)");
    mScorm->addItem("SCORM 1.2", "1.2");
    mScorm->addItem("SCORM 2004 4th Edition", "2004");
    mZip->setObjectName("chkZip");
    // A SCORM package is always a zip.
    connect(mScorm, &QComboBox::currentIndexChanged, this, [this](int index) {
        mZip->setEnabled(index == 0);
        if (index != 0) {
            mZip->setChecked(true);
        }
    });

    auto* browse = new QPushButton("Browse...", this);
    browse->setObjectName("cmdBrowse");
    connect(browse, &QPushButton::clicked, this, [this, &dialogs, startFolder] {
        const std::string folder = dialogs.BrowseForFolder("Publish to", startFolder);
        if (!folder.empty()) {
            mFolder->setText(ToQPath(folder));
        }
    });
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(mFolder);
    folderRow->addWidget(browse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    mOk = buttons->button(QDialogButtonBox::Ok);
    mOk->setText("Publish");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mFolder, &QLineEdit::textChanged, this, [this] { UpdateOk(); });

    auto* form = new QFormLayout(this);
    form->addRow("Folder:", folderRow);
    form->addRow("Title:", mTitle);
    form->addRow("Pass mark of the test:", mPass);
    form->addRow("LMS package:", mScorm);
    form->addRow(mZip);
    form->addRow(buttons);
    UpdateOk();
}

void dlgPublish::UpdateOk() {
    mOk->setEnabled(!mFolder->text().trimmed().isEmpty());
}

PublishRequest dlgPublish::Request() const {
    PublishRequest request;
    request.outFolder = FromQPath(mFolder->text().trimmed());
    request.zip = mZip->isChecked();
    request.scorm = ScormVersionFromText(FromQString(mScorm->currentData().toString()));
    request.settings.title = FromQString(mTitle->text().trimmed());
    request.settings.passPercent = mPass->value();
    return request;
}

void PublishMenuCommand(Session& session, QWidget* window) {
    dlgPublish dialog(window, session.GetDialogs(), session.PathOnly(), session.FileNameOnly());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    PictureSizes pictures;
    PublishOpenDocument(session, dialog.Request(), pictures);
}

void PreviewPublishedCommand(Session& session) {
    PictureSizes pictures;
    const std::string page = PublishPreview(session, pictures);
    if (!page.empty()) {
        ShowInBrowser(page, session.GetDialogs());
    }
}

}  // namespace htmlsim::gui
