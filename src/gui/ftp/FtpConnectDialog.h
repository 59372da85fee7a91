#pragma once

#include <QDialog>

#include "remote/FtpDialogs.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace htmlsim::gui {

// Asks how to reach the server: the protocol (SFTP for a new connection, FTP with explicit or
// implicit TLS, or plain FTP with a warning), host, port (following the protocol's default
// until typed), user, and the password or, for SFTP, the SSH agent or a key file. Passive mode
// is for FTP. "Remember password" is offered when the desktop has a secret service; a server
// trusted before can be forgotten here.
class FtpConnectDialog : public QDialog {
    Q_OBJECT
  public:
    // whyNoSecretStore: "" when passwords can be remembered, else why not.
    FtpConnectDialog(const FtpConnectionDetails& proposed, const QString& whyNoSecretStore,
                     QWidget* parent = nullptr);

    FtpConnectionDetails Details() const;

    QComboBox* ProtocolBox() const { return mProtocol; }
    QLabel* PlainWarning() const { return mPlainWarning; }
    QLineEdit* HostEdit() const { return mHost; }
    QSpinBox* PortBox() const { return mPort; }
    QLineEdit* UserEdit() const { return mUser; }
    QComboBox* LoginBox() const { return mLogin; }
    QLineEdit* PasswordEdit() const { return mPassword; }
    QComboBox* KeyFileBox() const { return mKeyFile; }
    QCheckBox* PassiveBox() const { return mPassive; }
    QCheckBox* RememberBox() const { return mRemember; }
    QPushButton* ForgetButton() const { return mForget; }
    QDialogButtonBox* Buttons() const { return mButtons; }

  private:
    void ProtocolChanged();
    void UpdateFields();
    void ForgetServer();
    void BrowseKeyFile();
    RemoteProtocol Protocol() const;

    QComboBox* mProtocol;
    QLabel* mPlainWarning;
    QLineEdit* mHost;
    QSpinBox* mPort;
    QLineEdit* mUser;
    QComboBox* mLogin;
    QLineEdit* mPassword;
    QComboBox* mKeyFile;
    QPushButton* mBrowse;
    QCheckBox* mPassive;
    QCheckBox* mRemember;
    QPushButton* mForget;
    QDialogButtonBox* mButtons;
    RemoteProtocol mShownProtocol;
};

// The private keys in ~/.ssh: the files beside which a ".pub" file lies.
QStringList SshKeyFiles();

}  // namespace htmlsim::gui
