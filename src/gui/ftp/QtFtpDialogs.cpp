#include "ftp/QtFtpDialogs.h"

#include "ftp/FtpConnectDialog.h"
#include "ftp/RemoteFileDialog.h"
#include "ftp/RemoteFolderDialog.h"

namespace htmlsim::gui {

std::optional<FtpConnectionDetails> QtFtpDialogs::AskConnection(
    const FtpConnectionDetails& proposed) {
    FtpConnectDialog dialog(proposed, mOwner);
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

}  // namespace htmlsim::gui
