#include "ftp/QtFtpDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

#include "QtText.h"
#include "ftp/FtpConnectDialog.h"
#include "ftp/RemoteFileDialog.h"
#include "ftp/RemoteFolderDialog.h"

namespace htmlsim::gui {

QString NewHostQuestion(const HostIdentity& identity) {
    return QObject::tr(
               "The server %1 is not known yet. %2\n\nIts %3 has the fingerprint\n%4\n\n"
               "Trust it only when this is the fingerprint its administrator gave you. "
               "Trust it from now on?")
        .arg(ToQString(identity.server), ToQString(identity.note), ToQString(identity.kind),
             ToQString(identity.fingerprint));
}

std::optional<FtpConnectionDetails> QtFtpDialogs::AskConnection(
    const FtpConnectionDetails& proposed) {
    const QString whyNoStore = mSecrets ? ToQString(mSecrets->WhyUnavailable())
                                        : QObject::tr("Passwords cannot be remembered here.");
    FtpConnectDialog dialog(proposed, whyNoStore, mOwner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Details();
}

std::string QtFtpDialogs::ChooseRemoteFolder(RemoteFolderLister& lister,
                                             const std::string& startFolder) {
    RemoteFolderDialog dialog(lister, startFolder, mOwner);
    return dialog.exec() == QDialog::Accepted ? dialog.Folder() : "";
}

std::string QtFtpDialogs::ChooseRemoteFile(RemoteFolderLister& lister,
                                           const RemoteFileRequest& request) {
    RemoteFileDialog dialog(lister, request, mOwner);
    return dialog.exec() == QDialog::Accepted ? dialog.ChosenPath() : "";
}

bool QtFtpDialogs::ConfirmNewHost(const HostIdentity& identity) {
    return QMessageBox::question(mOwner, QObject::tr("Unknown Server"), NewHostQuestion(identity),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtFtpDialogs::AskPassphrase(const std::string& keyFile) {
    bool ok = false;
    const QString passphrase =
        QInputDialog::getText(mOwner, QObject::tr("Key Passphrase"),
                              QObject::tr("Passphrase of %1:").arg(ToQPath(keyFile)),
                              QLineEdit::Password, QString(), &ok);
    return ok ? std::optional<std::string>(FromQString(passphrase)) : std::nullopt;
}

}  // namespace htmlsim::gui
