#pragma once

#include <QPointer>
#include <QWidget>

#include "remote/FtpDialogs.h"
#include "services/SecretStore.h"

namespace htmlsim::gui {

// The remote client's questions as Qt dialogs, owned by the given window.
class QtFtpDialogs : public FtpDialogs {
  public:
    explicit QtFtpDialogs(QWidget* owner = nullptr) : mOwner(owner) {}
    void SetOwner(QWidget* owner) { mOwner = owner; }
    // The store behind "Remember password"; without one the box is disabled.
    void SetSecretStore(SecretStore* store) { mSecrets = store; }

    std::optional<FtpConnectionDetails> AskConnection(
        const FtpConnectionDetails& proposed) override;
    std::string ChooseRemoteFolder(RemoteFolderLister& lister,
                                   const std::string& startFolder) override;
    std::string ChooseRemoteFile(RemoteFolderLister& lister,
                                 const RemoteFileRequest& request) override;
    bool ConfirmNewHost(const HostIdentity& identity) override;
    std::optional<std::string> AskPassphrase(const std::string& keyFile) override;

  private:
    QPointer<QWidget> mOwner;
    SecretStore* mSecrets = nullptr;
};

// The question asked before a server is trusted for the first time.
QString NewHostQuestion(const HostIdentity& identity);

}  // namespace htmlsim::gui
