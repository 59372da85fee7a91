#include "CliSession.h"

#include <filesystem>

#include "CliCommand.h"
#include "components/FileHelper.h"
#include "remote/FtpAddress.h"

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

CliSession::CliSession()
    : mSession(mDialogs, ProgramFolder()), mRemote(MakeRemoteDocuments(mSession, mDialogs)) {}

std::string CliSession::DocumentPath(const std::string& argument) {
    return IsFtpAddress(argument) ? mRemote->Connect(argument) : AbsolutePath(argument);
}

bool CliSession::DocumentExists(const std::string& path) {
    return mSession.DocumentSource() == kFtpDocument ? mRemote->FileExists(path)
                                                     : FileHelper::FileExists(path);
}

bool CliSession::OpenExisting(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    if (!DocumentExists(path)) {
        if (mSession.DocumentSource() != kFtpDocument || !mRemote->FailureReported()) {
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
