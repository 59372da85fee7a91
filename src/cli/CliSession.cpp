#include "CliSession.h"

#include <filesystem>

#include "CliCommand.h"
#include "components/FileHelper.h"
#include "remote/FtpAddress.h"
#include "remote/PathNames.h"

namespace htmlsim::cli {

namespace {

std::string ProgramFolder() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

}  // namespace

bool& AcceptNewHosts() {
    static bool accept = false;
    return accept;
}

CliSession::CliSession() : mFtp(mFtpDialogs), mSession(mDialogs, ProgramFolder()) {
    mFtpDialogs.AcceptNewHosts(AcceptNewHosts());
    mFtp.SetSecretStore(&mSecrets);
    mSession.SetFtpClient(mFtp);
}

std::string CliSession::DocumentPath(const std::string& argument) {
    if (!IsFtpAddress(argument)) {
        return AbsolutePath(argument);
    }
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

bool CliSession::DocumentExists(const std::string& path) {
    return mSession.DocumentSource() == kFtpDocument ? mFtp.RemoteFileExists(path)
                                                     : FileHelper::FileExists(path);
}

bool CliSession::OpenExisting(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    if (!DocumentExists(path)) {
        if (mSession.DocumentSource() != kFtpDocument || !mFtp.StatusFlag()) {
            mDialogs.Message("File Does Not Exist: '" + path + "'", "", MessageIcon::Critical);
        }
        return false;
    }
    mSession.OpenDocument(path);
    return mDialogs.MessageCount() == 0;
}

int CliSession::ExitStatus() const {
    return mDialogs.MessageCount() == 0 ? kExitSuccess : kExitFailure;
}

std::string AbsolutePath(const std::string& argument) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(argument, error);
    return (error ? std::filesystem::path(argument) : absolute).lexically_normal().string();
}

}  // namespace htmlsim::cli
