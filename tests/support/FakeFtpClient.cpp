#include "FakeFtpClient.h"

namespace htmlsim::testing {

FtpConnectionDetails FakeFtpClient::Login(const std::string& password) {
    FtpConnectionDetails details;
    details.protocol = RemoteProtocol::Ftp;
    details.port = DefaultPort(RemoteProtocol::Ftp);
    details.host = "example.org";
    details.user = "ann";
    details.password = password;
    return details;
}

void CollectErrors(FtpClient& client, std::vector<std::string>& errors) {
    client.Error = [&errors](const std::string& description, bool& handled) {
        errors.push_back(description);
        handled = true;
    };
}

void FakeFtpClient::PutFile(const std::string& path, const std::string& bytes) {
    files[path] = bytes;
    for (auto slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        folders.insert(path.substr(0, slash + 1));
    }
}

bool FakeFtpClient::OpenConnection(const FtpConnectionDetails& details) {
    mConnected = false;
    if (!serverUp) {
        ReportFailure("Cannot reach the FTP server " + details.host + ".", true);
        return false;
    }
    if (details.password != password) {
        ReportFailure("The FTP server refused the login of user '" + details.user + "'.", true);
        return false;
    }
    mConnected = true;
    return true;
}

bool FakeFtpClient::RequireServer() {
    if (requestsBeforeOutage && (*requestsBeforeOutage)-- == 0) {
        serverUp = false;
        ++outages;
    }
    BeginOperation();
    return RequireConnection();
}

std::optional<std::vector<RemoteEntry>> FakeFtpClient::ListRemoteFolder(const std::string& folder) {
    if (!RequireServer()) {
        return std::nullopt;
    }
    const std::string path = NormalizeRemoteFolder(RemotePathOf(folder));
    if (!folders.contains(path)) {
        ReportFailure("The remote folder '" + path + "' does not exist.", false);
        return std::nullopt;
    }
    std::vector<RemoteEntry> entries;
    for (const auto& other : folders) {
        if (other.size() > path.size() && other.starts_with(path) &&
            other.find('/', path.size()) == other.size() - 1) {
            entries.push_back({other.substr(path.size(), other.size() - path.size() - 1), true});
        }
    }
    for (const auto& [file, bytes] : files) {
        if (file.starts_with(path) && file.find('/', path.size()) == std::string::npos) {
            entries.push_back({file.substr(path.size()), false});
        }
    }
    return entries;
}

bool FakeFtpClient::RemoteFileExists(const std::string& name) {
    return RequireServer() && files.contains(RemotePathOf(name));
}

std::optional<std::string> FakeFtpClient::Fetch(const std::string& name) {
    if (!RequireServer()) {
        return std::nullopt;
    }
    const auto file = files.find(RemotePathOf(name));
    if (unreadable.contains(RemotePathOf(name))) {
        ReportFailure("Permission denied: cannot read '" + RemotePathOf(name) + "'.", false);
        return std::nullopt;
    }
    if (file == files.end()) {
        ReportFailure("The remote file '" + RemotePathOf(name) + "' does not exist.", false);
        return std::nullopt;
    }
    fetched.push_back(file->first);
    return file->second;
}

bool FakeFtpClient::Store(const std::string& name, const std::string& bytes) {
    if (!RequireServer()) {
        return false;
    }
    if (readOnly) {
        ReportFailure("Permission denied: cannot write '" + RemotePathOf(name) + "'.", false);
        return false;
    }
    PutFile(RemotePathOf(name), bytes);
    return true;
}

}  // namespace htmlsim::testing
