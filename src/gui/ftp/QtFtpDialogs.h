#pragma once

#include <QPointer>
#include <QWidget>

#include "components/FtpDialogs.h"

namespace htmlsim::gui {

// The FTP client's questions as Qt dialogs, owned by the given window.
class QtFtpDialogs : public FtpDialogs {
  public:
    explicit QtFtpDialogs(QWidget* owner = nullptr) : mOwner(owner) {}
    void SetOwner(QWidget* owner) { mOwner = owner; }

    std::optional<FtpConnectionDetails> AskConnection(
        const FtpConnectionDetails& proposed) override;
    std::string ChooseRemoteFolder(RemoteFolderLister& lister,
                                   const std::string& startFolder) override;
    std::string ChooseRemoteFile(RemoteFolderLister& lister,
                                 const RemoteFileRequest& request) override;

  private:
    QPointer<QWidget> mOwner;
};

}  // namespace htmlsim::gui
