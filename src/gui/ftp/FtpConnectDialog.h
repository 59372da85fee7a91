#pragma once

#include <QDialog>

#include "components/FtpDialogs.h"

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QSpinBox;

namespace htmlsim::gui {

// Asks for the FTP server, the user and the password. Passive mode is on unless unticked;
// "Use TLS" asks the server for explicit FTPS.
class FtpConnectDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FtpConnectDialog(const FtpConnectionDetails& proposed, QWidget* parent = nullptr);

    FtpConnectionDetails Details() const;

    QLineEdit* HostEdit() const { return mHost; }
    QSpinBox* PortBox() const { return mPort; }
    QLineEdit* UserEdit() const { return mUser; }
    QLineEdit* PasswordEdit() const { return mPassword; }
    QCheckBox* PassiveBox() const { return mPassive; }
    QCheckBox* TlsBox() const { return mTls; }
    QDialogButtonBox* Buttons() const { return mButtons; }

  private:
    void UpdateOkButton();

    QLineEdit* mHost;
    QSpinBox* mPort;
    QLineEdit* mUser;
    QLineEdit* mPassword;
    QCheckBox* mPassive;
    QCheckBox* mTls;
    QDialogButtonBox* mButtons;
};

}  // namespace htmlsim::gui
