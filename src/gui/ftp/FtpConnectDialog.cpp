#include "ftp/FtpConnectDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "QtText.h"
#include "remote/HostTrust.h"

namespace htmlsim::gui {

namespace {

// The protocols in the order the box lists them.
constexpr RemoteProtocol kProtocols[] = {RemoteProtocol::Sftp, RemoteProtocol::FtpExplicitTls,
                                         RemoteProtocol::FtpImplicitTls, RemoteProtocol::Ftp};
constexpr SshLogin kLogins[] = {SshLogin::Password, SshLogin::Agent, SshLogin::KeyFile};

template <typename T, size_t N>
int IndexOf(const T (&values)[N], T value) {
    for (size_t i = 0; i < N; ++i) {
        if (values[i] == value) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

}  // namespace

QStringList SshKeyFiles() {
    const QDir ssh(QDir::home().filePath(".ssh"));
    QStringList keys;
    for (const QString& publicKey : ssh.entryList({"*.pub"}, QDir::Files, QDir::Name)) {
        const QString privateKey = ssh.filePath(publicKey.chopped(4));
        if (QFileInfo(privateKey).isFile()) {
            keys << privateKey;
        }
    }
    return keys;
}

FtpConnectDialog::FtpConnectDialog(const FtpConnectionDetails& proposed,
                                   const QString& whyNoSecretStore, QWidget* parent)
    : QDialog(parent),
      mProtocol(new QComboBox),
      mPlainWarning(new QLabel(tr("Plain FTP sends the password and the pages unencrypted: "
                                  "anyone on the way can read them."))),
      mHost(new QLineEdit(ToQString(proposed.host))),
      mPort(new QSpinBox),
      mUser(new QLineEdit(ToQString(proposed.user))),
      mLogin(new QComboBox),
      mPassword(new QLineEdit(ToQString(proposed.password))),
      mKeyFile(new QComboBox),
      mBrowse(new QPushButton(tr("&Browse..."))),
      mPassive(new QCheckBox(tr("Passive mode"))),
      mRemember(new QCheckBox(tr("&Remember password"))),
      mForget(new QPushButton(tr("&Forget Trusted Server"))),
      mButtons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)),
      mShownProtocol(proposed.protocol) {
    setWindowTitle(tr("Connect to Server"));
    mProtocol->addItems({tr("SFTP (SSH)"), tr("FTP with TLS (explicit)"),
                         tr("FTP with implicit TLS"), tr("FTP (unencrypted)")});
    mProtocol->setCurrentIndex(IndexOf(kProtocols, proposed.protocol));
    mPlainWarning->setWordWrap(true);
    mPlainWarning->setStyleSheet("color: #a00000");
    mPort->setRange(1, 65535);
    mPort->setValue(proposed.port);
    mLogin->addItems({tr("Password"), tr("SSH agent"), tr("Key file")});
    mLogin->setCurrentIndex(IndexOf(kLogins, proposed.sshLogin));
    mPassword->setEchoMode(QLineEdit::Password);
    mKeyFile->setEditable(true);
    mKeyFile->addItems(SshKeyFiles());
    if (!proposed.keyFile.empty()) {
        mKeyFile->setCurrentText(ToQPath(proposed.keyFile));
    }
    mPassive->setChecked(proposed.passive);
    mRemember->setChecked(proposed.remember && whyNoSecretStore.isEmpty());
    mRemember->setEnabled(whyNoSecretStore.isEmpty());
    mRemember->setToolTip(whyNoSecretStore.isEmpty()
                              ? tr("Keep the password in the desktop's secret service")
                              : whyNoSecretStore);
    mForget->setToolTip(tr("Forget the host key or certificate trusted for this server"));

    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(mKeyFile, 1);
    keyRow->addWidget(mBrowse);
    auto* form = new QFormLayout;
    form->addRow(tr("Pro&tocol:"), mProtocol);
    form->addRow(QString(), mPlainWarning);
    form->addRow(tr("&Host:"), mHost);
    form->addRow(tr("P&ort:"), mPort);
    form->addRow(tr("&User:"), mUser);
    form->addRow(tr("&Log in with:"), mLogin);
    form->addRow(tr("&Password:"), mPassword);
    form->addRow(tr("&Key file:"), keyRow);
    form->addRow(QString(), mPassive);
    form->addRow(QString(), mRemember);
    form->addRow(QString(), mForget);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(mButtons);

    connect(mButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(mButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mProtocol, &QComboBox::currentIndexChanged, this, &FtpConnectDialog::ProtocolChanged);
    connect(mLogin, &QComboBox::currentIndexChanged, this, &FtpConnectDialog::UpdateFields);
    connect(mHost, &QLineEdit::textChanged, this, &FtpConnectDialog::UpdateFields);
    connect(mPort, &QSpinBox::valueChanged, this, &FtpConnectDialog::UpdateFields);
    connect(mForget, &QPushButton::clicked, this, &FtpConnectDialog::ForgetServer);
    connect(mBrowse, &QPushButton::clicked, this, &FtpConnectDialog::BrowseKeyFile);
    UpdateFields();
    if (!proposed.host.empty()) {
        // Reconnecting: the password is what is most often typed again.
        mPassword->setFocus();
        mPassword->selectAll();
    }
}

RemoteProtocol FtpConnectDialog::Protocol() const {
    return kProtocols[std::max(0, mProtocol->currentIndex())];
}

FtpConnectionDetails FtpConnectDialog::Details() const {
    FtpConnectionDetails details;
    details.protocol = Protocol();
    details.host = FromQString(mHost->text().trimmed());
    details.port = mPort->value();
    details.user = FromQString(mUser->text());
    details.passive = mPassive->isChecked();
    const bool sftp = details.protocol == RemoteProtocol::Sftp;
    details.sshLogin = sftp ? kLogins[std::max(0, mLogin->currentIndex())] : SshLogin::Password;
    if (details.sshLogin == SshLogin::Password) {
        details.password = FromQString(mPassword->text());
        details.remember = mRemember->isEnabled() && mRemember->isChecked();
    }
    if (details.sshLogin == SshLogin::KeyFile) {
        details.keyFile = FromQPath(QDir::cleanPath(mKeyFile->currentText().trimmed()));
    }
    return details;
}

void FtpConnectDialog::ProtocolChanged() {
    // A port the user did not choose follows the protocol.
    if (mPort->value() == DefaultPort(mShownProtocol)) {
        mPort->setValue(DefaultPort(Protocol()));
    }
    mShownProtocol = Protocol();
    UpdateFields();
}

void FtpConnectDialog::UpdateFields() {
    const FtpConnectionDetails details = Details();
    const bool sftp = details.protocol == RemoteProtocol::Sftp;
    mPlainWarning->setVisible(details.protocol == RemoteProtocol::Ftp);
    mLogin->setEnabled(sftp);
    mPassword->setEnabled(details.sshLogin == SshLogin::Password);
    mKeyFile->setEnabled(details.sshLogin == SshLogin::KeyFile);
    mBrowse->setEnabled(details.sshLogin == SshLogin::KeyFile);
    mPassive->setEnabled(!sftp);
    mForget->setEnabled(!details.host.empty() && IsHostTrusted(details));
    mButtons->button(QDialogButtonBox::Ok)->setEnabled(!details.host.empty());
}

void FtpConnectDialog::ForgetServer() {
    ForgetTrustedHost(Details());
    UpdateFields();
}

void FtpConnectDialog::BrowseKeyFile() {
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Choose a Private Key"),
                                                        QDir::home().filePath(".ssh"));
    if (!chosen.isEmpty()) {
        mKeyFile->setCurrentText(chosen);
    }
}

}  // namespace htmlsim::gui
