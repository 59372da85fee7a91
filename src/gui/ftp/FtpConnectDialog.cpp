#include "ftp/FtpConnectDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace htmlsim::gui {

FtpConnectDialog::FtpConnectDialog(const FtpConnectionDetails& proposed, QWidget* parent)
    : QDialog(parent),
      mHost(new QLineEdit(QString::fromStdString(proposed.host))),
      mPort(new QSpinBox),
      mUser(new QLineEdit(QString::fromStdString(proposed.user))),
      mPassword(new QLineEdit(QString::fromStdString(proposed.password))),
      mPassive(new QCheckBox(tr("Passive mode"))),
      mTls(new QCheckBox(tr("Use TLS"))),
      mButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)) {
    setWindowTitle(tr("Connect to FTP Server"));
    mPort->setRange(1, 65535);
    mPort->setValue(proposed.port);
    mPassword->setEchoMode(QLineEdit::Password);
    mPassive->setChecked(proposed.passive);
    mTls->setChecked(proposed.useTls);
    mTls->setToolTip(tr("For servers that offer explicit FTPS (AUTH TLS)"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Host:"), mHost);
    form->addRow(tr("P&ort:"), mPort);
    form->addRow(tr("&User:"), mUser);
    form->addRow(tr("&Password:"), mPassword);
    form->addRow(QString(), mPassive);
    form->addRow(QString(), mTls);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(mButtons);

    connect(mButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(mButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mHost, &QLineEdit::textChanged, this, &FtpConnectDialog::UpdateOkButton);
    UpdateOkButton();
    if (!proposed.host.empty()) {
        // Reconnecting: the password is what is most often typed again.
        mPassword->setFocus();
        mPassword->selectAll();
    }
}

FtpConnectionDetails FtpConnectDialog::Details() const {
    FtpConnectionDetails details;
    details.host = mHost->text().trimmed().toStdString();
    details.port = mPort->value();
    details.user = mUser->text().toStdString();
    details.password = mPassword->text().toStdString();
    details.passive = mPassive->isChecked();
    details.useTls = mTls->isChecked();
    return details;
}

void FtpConnectDialog::UpdateOkButton() {
    mButtons->button(QDialogButtonBox::Ok)->setEnabled(!mHost->text().trimmed().isEmpty());
}

}  // namespace htmlsim::gui
