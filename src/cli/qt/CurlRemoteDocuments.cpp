#include "CurlRemoteDocuments.h"

#include "CliSession.h"
#include "remote/FtpAddress.h"
#include "remote/PathNames.h"

namespace htmlsim::cli {

CurlRemoteDocuments::CurlRemoteDocuments(Session& session, CliDialogs& dialogs)
    : mSession(session), mDialogs(dialogs), mFtp(mFtpDialogs) {
    mFtpDialogs.AcceptNewHosts(AcceptNewHosts());
    mFtp.SetSecretStore(&mSecrets);
    mSession.SetFtpClient(mFtp);
}

std::string CurlRemoteDocuments::Connect(const std::string& argument) {
    const auto address = ParseFtpAddress(argument);
    if (!address) {
        // The address holds a password: it is not repeated.
        mDialogs.Message(
            "Not a valid remote address; expected sftp://, ftpes://, ftps:// or ftp:// "
            "user:password@host:port/path/page.html",
            "", MessageIcon::Critical);
        return "";
    }
    mFtpDialogs.Answer(address->details, SplitFTPPath(address->path).folder);
    mSession.NewFtpProjectCommand();
    return mSession.DocumentSource() == kFtpDocument ? mFtp.RemotePathOf(address->path) : "";
}

}  // namespace htmlsim::cli
