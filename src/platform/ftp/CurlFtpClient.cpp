#include "ftp/CurlFtpClient.h"

#include <curl/curl.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "remote/Digest.h"
#include "remote/FtpListing.h"
#include "remote/HostTrust.h"
#include "remote/PathNames.h"
#include "remote/TrustFiles.h"

namespace htmlsim::platform {

namespace {

// One upload's source while libcurl pulls it.
struct UploadSource {
    const std::string& bytes;
    size_t offset = 0;
};

size_t AppendToString(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

size_t ReadFromSource(char* buffer, size_t size, size_t count, void* source) {
    auto& upload = *static_cast<UploadSource*>(source);
    const size_t length = std::min(size * count, upload.bytes.size() - upload.offset);
    upload.bytes.copy(buffer, length, upload.offset);
    upload.offset += length;
    return length;
}

struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Slist = std::unique_ptr<curl_slist, SlistDeleter>;

Slist MakeSlist(const std::vector<std::string>& items) {
    curl_slist* list = nullptr;
    for (const auto& item : items) {
        list = curl_slist_append(list, item.c_str());
    }
    return Slist(list);
}

// Failures that leave no usable connection; the caller then ends silently.
bool IsConnectionFailure(CURLcode code) {
    switch (code) {
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
        case CURLE_OPERATION_TIMEDOUT:
        case CURLE_LOGIN_DENIED:
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_PARTIAL_FILE:
        case CURLE_GOT_NOTHING:
        case CURLE_WEIRD_SERVER_REPLY:
        case CURLE_FTP_WEIRD_PASV_REPLY:
        case CURLE_FTP_CANT_GET_HOST:
        case CURLE_FTP_ACCEPT_FAILED:
        case CURLE_FTP_ACCEPT_TIMEOUT:
        case CURLE_FTP_PORT_FAILED:
        case CURLE_USE_SSL_FAILED:
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        case CURLE_SSH:
            return true;
        default:
            return false;
    }
}

// FTP commands end at a line break: a name holding one could smuggle in a command.
bool IsSafeRemotePath(const std::string& path) {
    return path.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

// The record of the connection being made: OpenSSL's verify callback has no user pointer.
thread_local CurlFtpClient::PeerRecord* tConnectingPeer = nullptr;

std::string DerOf(X509* certificate) {
    unsigned char* der = nullptr;
    const int length = i2d_X509(certificate, &der);
    std::string bytes = length > 0 ? std::string(reinterpret_cast<char*>(der), length) : "";
    OPENSSL_free(der);
    return bytes;
}

std::string PublicKeyPinOf(X509* certificate) {
    unsigned char* der = nullptr;
    const int length = i2d_PUBKEY(X509_get0_pubkey(certificate), &der);
    std::string bytes = length > 0 ? std::string(reinterpret_cast<char*>(der), length) : "";
    OPENSSL_free(der);
    return "sha256//" + Base64Encode(Sha256(bytes));
}

// Records the server's certificate; a certificate the CA store does not vouch for passes only
// when its public key is the one the user pinned for this server.
int VerifyAndRecord(int preverified, X509_STORE_CTX* store) {
    X509* leaf = X509_STORE_CTX_get0_cert(store);
    CurlFtpClient::PeerRecord* peer = tConnectingPeer;
    if (!peer || !leaf) {
        return preverified;
    }
    peer->certificate = DerOf(leaf);
    peer->pin = PublicKeyPinOf(leaf);
    if (!preverified && peer->pinned && *peer->pinned == peer->pin) {
        X509_STORE_CTX_set_error(store, X509_V_OK);
        return 1;
    }
    return preverified;
}

CURLcode PrepareTls(CURL*, void* sslContext, void*) {
    SSL_CTX_set_verify(static_cast<SSL_CTX*>(sslContext), SSL_VERIFY_PEER, VerifyAndRecord);
    return CURLE_OK;
}

int CheckHostKey(void* client, int, const char* key, size_t length) {
    return static_cast<CurlFtpClient*>(client)->AcceptHostKey(std::string(key, length))
               ? CURLKHMATCH_OK
               : CURLKHMATCH_MISMATCH;
}

// "AB:CD:..." of the certificate's SHA-256 digest, as browsers show it.
std::string CertificateFingerprint(const std::string& der) {
    static const char* kHex = "0123456789ABCDEF";
    std::string text;
    for (unsigned char byte : Sha256(der)) {
        text += text.empty() ? "" : ":";
        text += kHex[byte >> 4];
        text += kHex[byte & 15];
    }
    return text;
}

// SFTP's quote commands take names in double quotes.
std::string QuotedForSftp(const std::string& path) {
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

void EnsureCurlInitialised() {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
}

}  // namespace

struct CurlFtpClient::Request {
    std::string remotePath;  // a folder ends with "/"; "" is the login folder
    bool noBody = false;
    std::string customRequest;
    std::string* received = nullptr;
    const std::string* sent = nullptr;
    std::vector<std::string> quote;      // before the transfer, absolute names
    std::vector<std::string> postQuote;  // after a successful transfer, absolute names
};

CurlFtpClient::CurlFtpClient(FtpDialogs& dialogs, FtpTimeouts timeouts)
    : FtpClient(dialogs), mTimeouts(timeouts) {
    EnsureCurlInitialised();
    mCurl = curl_easy_init();
}

CurlFtpClient::~CurlFtpClient() {
    curl_easy_cleanup(mCurl);
}

std::string CurlFtpClient::UrlOf(const FtpConnectionDetails& details,
                                 const std::string& remotePath) const {
    const bool ipv6 = details.host.find(':') != std::string::npos;
    const bool sftp = details.protocol == RemoteProtocol::Sftp;
    const char* scheme = sftp                                                 ? "sftp://"
                         : details.protocol == RemoteProtocol::FtpImplicitTls ? "ftps://"
                                                                              : "ftp://";
    std::string url = scheme + (ipv6 ? "[" + details.host + "]" : details.host) + ":" +
                      std::to_string(details.port) + "/";
    if (remotePath.empty()) {
        return sftp ? url + "~/" : url;  // the login folder
    }
    // FTP paths are relative to the login folder unless they start with "%2F"; SFTP paths are
    // absolute.
    url += sftp ? "" : "%2F";
    size_t start = 1;
    while (start < remotePath.size()) {
        auto end = remotePath.find('/', start);
        const bool last = end == std::string::npos;
        const std::string segment = remotePath.substr(start, last ? end : end - start);
        char* escaped = curl_easy_escape(mCurl, segment.c_str(), static_cast<int>(segment.size()));
        url += escaped;
        curl_free(escaped);
        if (!last) {
            url += "/";
        }
        start = last ? remotePath.size() : end + 1;
    }
    return url;
}

int CurlFtpClient::Perform(const FtpConnectionDetails& details, const Request& request) {
    curl_easy_reset(mCurl);
    const std::string url = UrlOf(details, request.remotePath);
    curl_easy_setopt(mCurl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(mCurl, CURLOPT_USERNAME, details.user.c_str());
    curl_easy_setopt(mCurl, CURLOPT_PASSWORD, details.password.c_str());
    curl_easy_setopt(mCurl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(mCurl, CURLOPT_CONNECTTIMEOUT, mTimeouts.connect);
    curl_easy_setopt(mCurl, CURLOPT_SERVER_RESPONSE_TIMEOUT, mTimeouts.response);
    curl_easy_setopt(mCurl, CURLOPT_ACCEPTTIMEOUT_MS, mTimeouts.connect * 1000);
    curl_easy_setopt(mCurl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(mCurl, CURLOPT_LOW_SPEED_TIME, mTimeouts.stall);
    curl_easy_setopt(mCurl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    if (!details.passive) {
        curl_easy_setopt(mCurl, CURLOPT_FTPPORT, "-");
    }
    if (details.protocol == RemoteProtocol::FtpExplicitTls ||
        details.protocol == RemoteProtocol::FtpImplicitTls) {
        curl_easy_setopt(mCurl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        curl_easy_setopt(mCurl, CURLOPT_SSL_CTX_FUNCTION, PrepareTls);
        if (mPeer.pinned) {
            // The pinned key stands for the server, whatever name its certificate holds.
            curl_easy_setopt(mCurl, CURLOPT_PINNEDPUBLICKEY, mPeer.pinned->c_str());
            curl_easy_setopt(mCurl, CURLOPT_SSL_VERIFYHOST, 0L);
        }
    }
    if (details.protocol == RemoteProtocol::Sftp) {
        curl_easy_setopt(mCurl, CURLOPT_SSH_HOSTKEYFUNCTION, CheckHostKey);
        curl_easy_setopt(mCurl, CURLOPT_SSH_HOSTKEYDATA, this);
        long authTypes = CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD;
        if (details.sshLogin == SshLogin::Agent) {
            authTypes = CURLSSH_AUTH_AGENT;
        } else if (details.sshLogin == SshLogin::KeyFile) {
            authTypes = CURLSSH_AUTH_PUBLICKEY;
            curl_easy_setopt(mCurl, CURLOPT_SSH_PRIVATE_KEYFILE, details.keyFile.c_str());
            curl_easy_setopt(mCurl, CURLOPT_KEYPASSWD, details.passphrase.c_str());
        }
        curl_easy_setopt(mCurl, CURLOPT_SSH_AUTH_TYPES, authTypes);
    }
    if (request.noBody) {
        curl_easy_setopt(mCurl, CURLOPT_NOBODY, 1L);
    }
    if (!request.customRequest.empty()) {
        curl_easy_setopt(mCurl, CURLOPT_CUSTOMREQUEST, request.customRequest.c_str());
    }
    std::string discarded;
    curl_easy_setopt(mCurl, CURLOPT_WRITEFUNCTION, AppendToString);
    curl_easy_setopt(mCurl, CURLOPT_WRITEDATA, request.received ? request.received : &discarded);
    std::optional<UploadSource> source;
    if (request.sent) {
        source.emplace(UploadSource{*request.sent});
        curl_easy_setopt(mCurl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(mCurl, CURLOPT_READFUNCTION, ReadFromSource);
        curl_easy_setopt(mCurl, CURLOPT_READDATA, &*source);
        curl_easy_setopt(mCurl, CURLOPT_INFILESIZE_LARGE,
                         static_cast<curl_off_t>(request.sent->size()));
    }
    const Slist quote = MakeSlist(request.quote);
    const Slist postQuote = MakeSlist(request.postQuote);
    if (quote) {
        curl_easy_setopt(mCurl, CURLOPT_QUOTE, quote.get());
    }
    if (postQuote) {
        curl_easy_setopt(mCurl, CURLOPT_POSTQUOTE, postQuote.get());
    }
    mConnecting = &details;
    tConnectingPeer = &mPeer;
    const CURLcode code = curl_easy_perform(mCurl);
    tConnectingPeer = nullptr;
    mConnecting = nullptr;
    return code;
}

bool CurlFtpClient::AcceptHostKey(const std::string& keyBlob) {
    mPeer.hostKey = keyBlob;
    mPeer.checked = true;
    mPeer.status = CheckSshHostKey(mConnecting->host, mConnecting->port, keyBlob);
    return mPeer.status == HostKeyStatus::Known;
}

int CurlFtpClient::TryLogin(const FtpConnectionDetails& details) {
    // A fresh connection: the server must show itself again.
    curl_easy_cleanup(mCurl);
    mCurl = curl_easy_init();
    mPeer = PeerRecord{};
    mPeer.pinned = PinnedCertificateKey(ServerName(details.host, details.port));
    Request login;
    login.noBody = details.protocol != RemoteProtocol::Sftp;
    std::string listing;
    login.received = &listing;
    return Perform(details, login);
}

bool CurlFtpClient::IsUnknownServer(int code, const FtpConnectionDetails& details) const {
    if (code != CURLE_PEER_FAILED_VERIFICATION) {
        return false;
    }
    if (details.protocol == RemoteProtocol::Sftp) {
        return mPeer.checked && (mPeer.status == HostKeyStatus::Unknown ||
                                 mPeer.status == HostKeyStatus::OtherTypeKnown);
    }
    return !mPeer.certificate.empty() && !mPeer.pinned;
}

std::string CurlFtpClient::IdentityText(const FtpConnectionDetails& details) const {
    if (details.protocol == RemoteProtocol::Sftp) {
        return "its " + HostKeyType(mPeer.hostKey) + " key has the fingerprint " +
               HostKeyFingerprint(mPeer.hostKey);
    }
    return "its certificate has the SHA-256 fingerprint " +
           CertificateFingerprint(mPeer.certificate);
}

bool CurlFtpClient::TrustNewServer(const FtpConnectionDetails& details) {
    const bool sftp = details.protocol == RemoteProtocol::Sftp;
    HostIdentity identity;
    identity.server = ServerName(details.host, details.port);
    identity.kind = sftp ? HostKeyType(mPeer.hostKey) + " key" : "TLS certificate";
    identity.fingerprint = sftp ? HostKeyFingerprint(mPeer.hostKey)
                                : "SHA256:" + CertificateFingerprint(mPeer.certificate);
    identity.note = sftp ? (mPeer.status == HostKeyStatus::OtherTypeKnown
                                ? "The server is known, but with a key of another type."
                                : "The server is not in ~/.ssh/known_hosts.")
                         : "The certificate is not vouched for by a certificate authority this "
                           "system trusts, or is made out to another name.";
    if (!Dialogs().ConfirmNewHost(identity)) {
        ReportFailure(std::string("The ") + ProtocolName(details.protocol) + " server " +
                          identity.server + " is not trusted: " + IdentityText(details) +
                          ". Nothing was sent to it.",
                      true);
        return false;
    }
    const bool kept = sftp ? TrustSshHostKey(details.host, details.port, mPeer.hostKey)
                           : PinCertificateKey(identity.server, mPeer.pin);
    if (!kept) {
        ReportFailure("Cannot record the trusted server " + identity.server + " in " +
                          (sftp ? KnownHostsPath() : PinnedCertificatesPath()).string() + ".",
                      true);
    }
    return kept;
}

bool CurlFtpClient::OpenConnection(const FtpConnectionDetails& details) {
    mLoggedIn = false;
    // A request without a file only logs in; libcurl then knows the login folder.
    int code = TryLogin(details);
    if (IsUnknownServer(code, details)) {
        if (!TrustNewServer(details)) {
            return false;
        }
        code = TryLogin(details);
    }
    if (code != CURLE_OK) {
        mLoggedIn = false;
        ReportCurlFailure(code, details, "/", false);
        return false;
    }
    char* entryPath = nullptr;
    curl_easy_getinfo(mCurl, CURLINFO_FTP_ENTRY_PATH, &entryPath);
    mLoginFolder = entryPath ? entryPath : "/";
    mLoggedIn = true;
    return true;
}

bool CurlFtpClient::BeginRemoteOperation(const std::string& remotePath) {
    BeginOperation();
    if (!RequireConnection()) {
        return false;
    }
    if (!IsSafeRemotePath(remotePath)) {
        ReportFailure("The remote name '" + remotePath + "' holds a line break.", false);
        return false;
    }
    return true;
}

int CurlFtpClient::FetchListing(const std::string& folder, std::vector<RemoteEntry>& entries) {
    std::string listing;
    Request request;
    request.remotePath = folder;
    request.received = &listing;
    if (IsSftp()) {
        // SFTP lists a folder in the long form of ls.
        const int code = Perform(Details(), request);
        entries = ParseUnixListing(listing);
        return code;
    }
    request.customRequest = "MLSD";
    int code = Perform(Details(), request);
    if (code == CURLE_OK) {
        entries = ParseMachineListing(listing);
        return code;
    }
    if (!IsConnectionFailure(static_cast<CURLcode>(code)) && code != CURLE_REMOTE_ACCESS_DENIED) {
        // An older server without machine listings.
        listing.clear();
        request.customRequest.clear();
        code = Perform(Details(), request);
        entries = ParseUnixListing(listing);
    }
    return code;
}

std::optional<std::vector<RemoteEntry>> CurlFtpClient::ListRemoteFolder(const std::string& folder) {
    const std::string path = NormalizeRemoteFolder(RemotePathOf(folder));
    if (!BeginRemoteOperation(path)) {
        return std::nullopt;
    }
    std::vector<RemoteEntry> entries;
    const int code = FetchListing(path, entries);
    if (code == CURLE_OK) {
        return entries;
    }
    ReportCurlFailure(code, Details(), path, false);
    return std::nullopt;
}

bool CurlFtpClient::RemoteFileExists(const std::string& name) {
    const std::string path = RemotePathOf(name);
    if (!BeginRemoteOperation(path)) {
        return false;
    }
    int code = CURLE_OK;
    bool exists = false;
    if (IsSftp()) {
        // Opening a folder as a file succeeds over SFTP: the folder's listing tells files apart.
        const std::string folder = SplitFTPPath(path).folder;
        std::vector<RemoteEntry> entries;
        code = FetchListing(folder, entries);
        const std::string fileName = path.substr(folder.size());
        exists = std::find(entries.begin(), entries.end(), RemoteEntry{fileName, false}) !=
                 entries.end();
    } else {
        Request request;
        request.remotePath = path;
        request.noBody = true;
        code = Perform(Details(), request);
        exists = code == CURLE_OK;
    }
    if (IsConnectionFailure(static_cast<CURLcode>(code))) {
        ReportCurlFailure(code, Details(), path, false);
    }
    return exists && code == CURLE_OK;
}

std::optional<std::string> CurlFtpClient::Retrieve(const std::string& remotePath) {
    if (!BeginRemoteOperation(remotePath)) {
        return std::nullopt;
    }
    std::string bytes;
    Request request;
    request.remotePath = remotePath;
    request.received = &bytes;
    const int code = Perform(Details(), request);
    if (code != CURLE_OK) {
        ReportCurlFailure(code, Details(), remotePath, false);
        return std::nullopt;
    }
    return bytes;
}

bool CurlFtpClient::Store(const std::string& remotePath, const std::string& bytes) {
    if (!BeginRemoteOperation(remotePath)) {
        return false;
    }
    const std::string folder = SplitFTPPath(remotePath).folder;
    const std::string partPath = TemporaryUploadPath(remotePath);
    Request request;
    request.remotePath = partPath;
    request.sent = &bytes;
    request.postQuote = RenameCommands(partPath, remotePath);
    int code = Perform(Details(), request);
    if (code == CURLE_QUOTE_ERROR) {
        // Some servers rename only onto a free name (SFTP version 3 among them): the old file
        // is removed first. The new bytes are complete on the server by now, and an open that
        // finds only them uses them.
        std::vector<std::string> commands{RemoveCommand(remotePath, false)};
        for (const auto& command : RenameCommands(partPath, remotePath)) {
            commands.push_back(command);
        }
        code = RunCommands(folder, commands);
    }
    if (code == CURLE_OK) {
        return true;
    }
    if (!IsConnectionFailure(static_cast<CURLcode>(code))) {
        RunCommands(folder, {RemoveCommand(partPath, true)});
    }
    ReportCurlFailure(code, Details(), remotePath, true);
    return false;
}

std::vector<std::string> CurlFtpClient::RenameCommands(const std::string& from,
                                                       const std::string& to) const {
    if (IsSftp()) {
        return {"rename " + QuotedForSftp(from) + " " + QuotedForSftp(to)};
    }
    return {"RNFR " + from, "RNTO " + to};
}

std::string CurlFtpClient::RemoveCommand(const std::string& path, bool mayFail) const {
    return std::string(mayFail ? "*" : "") +
           (IsSftp() ? "rm " + QuotedForSftp(path) : "DELE " + path);
}

int CurlFtpClient::RunCommands(const std::string& folder,
                               const std::vector<std::string>& commands) {
    Request request;
    request.remotePath = folder;
    request.noBody = true;
    std::string discarded;
    request.received = &discarded;
    request.quote = commands;
    return Perform(Details(), request);
}

std::optional<std::string> CurlFtpClient::ReadRemoteText(const std::string& name) {
    return Retrieve(RemotePathOf(name));
}

bool CurlFtpClient::WriteRemoteText(const std::string& name, const std::string& text) {
    return Store(RemotePathOf(name), text);
}

std::optional<std::string> CurlFtpClient::DownloadBytes(const std::string& path) {
    return Retrieve(RemotePathOf(path));
}

bool CurlFtpClient::Download(const std::string& localPath, const std::string& remotePath) {
    const auto bytes = Retrieve(RemotePathOf(remotePath));
    if (!bytes) {
        return false;
    }
    // Written beside the target and renamed, so a failed write leaves no half file behind.
    const std::filesystem::path target(localPath);
    std::filesystem::path part = target;
    part += ".part";
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    out.close();
    std::error_code renamed;
    if (out) {
        std::filesystem::rename(part, target, renamed);
    }
    if (!out || renamed) {
        std::error_code ignored;
        std::filesystem::remove(part, ignored);
        ReportFailure("Cannot write the local file '" + localPath + "'.", false);
        return false;
    }
    return true;
}

bool CurlFtpClient::Upload(const std::string& remotePath, const std::string& localPath) {
    std::ifstream in(localPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) {
        BeginOperation();
        ReportFailure("Cannot read the local file '" + localPath + "'.", false);
        return false;
    }
    return Store(RemotePathOf(remotePath), bytes.str());
}

void CurlFtpClient::ReportCurlFailure(int code, const FtpConnectionDetails& details,
                                      const std::string& remotePath, bool writing) {
    const std::string kind = ProtocolName(details.protocol);
    const std::string server = ServerName(details.host, details.port);
    const auto curlCode = static_cast<CURLcode>(code);
    const bool changed =
        curlCode == CURLE_SSL_PINNEDPUBKEYNOTMATCH ||
        (curlCode == CURLE_PEER_FAILED_VERIFICATION &&
         (details.protocol == RemoteProtocol::Sftp ? mPeer.status == HostKeyStatus::Changed
                                                   : mPeer.pinned.has_value()));
    std::string description;
    if (changed) {
        description = "WARNING: the " + kind + " server " + server +
                      " is not the one trusted before: " + IdentityText(details) +
                      ". Someone may be listening in, or the server was set up anew. The "
                      "connection was refused; if the change is expected, forget the server in "
                      "the Connect dialog and connect again.";
        ReportFailure(description, true);
        return;
    }
    switch (curlCode) {
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
            description = "Cannot reach the " + kind + " server " + server +
                          ". Check the address and that the server is running.";
            break;
        case CURLE_OPERATION_TIMEDOUT:
            description = "The " + kind + " server " + server + " did not answer in time.";
            break;
        case CURLE_LOGIN_DENIED:
            description =
                "The " + kind + " server " + server + " refused the login of user '" +
                details.user + "'. Check the user name and " +
                (details.protocol == RemoteProtocol::Sftp && details.sshLogin != SshLogin::Password
                     ? "key."
                     : "password.");
            break;
        case CURLE_USE_SSL_FAILED:
            description = "The " + kind + " server " + server + " does not offer TLS.";
            break;
        case CURLE_SSL_CONNECT_ERROR:
            description = "The TLS connection to the " + kind + " server " + server + " failed.";
            break;
        case CURLE_PEER_FAILED_VERIFICATION:
            description =
                details.protocol == RemoteProtocol::Sftp && mPeer.status == HostKeyStatus::Revoked
                    ? "The host key of the SFTP server " + server + " is revoked in " +
                          KnownHostsPath().string() + ": " + IdentityText(details) +
                          ". The connection was refused."
                    : "The " + kind + " server " + server + " could not be verified" +
                          (mPeer.certificate.empty() && mPeer.hostKey.empty()
                               ? "."
                               : ": " + IdentityText(details) + ".");
            break;
        case CURLE_REMOTE_ACCESS_DENIED:
            description =
                "The remote folder '" + SplitFTPPath(remotePath).folder + "' does not exist.";
            break;
        case CURLE_REMOTE_FILE_NOT_FOUND:
        case CURLE_FTP_COULDNT_RETR_FILE:
            description = remotePath.ends_with("/")
                              ? "The remote folder '" + remotePath + "' does not exist."
                              : "The remote file '" + remotePath + "' does not exist.";
            break;
        case CURLE_UPLOAD_FAILED:
        case CURLE_QUOTE_ERROR:
            description = "Permission denied: the " + kind + " server does not let user '" +
                          details.user + "' write '" + remotePath + "'.";
            break;
        case CURLE_REMOTE_DISK_FULL:
            description = "The " + kind + " server has no room left for '" + remotePath + "'.";
            break;
        default:
            description = IsConnectionFailure(curlCode)
                              ? "The connection to the " + kind + " server " + server +
                                    " was lost while " + (writing ? "writing '" : "reading '") +
                                    remotePath + "'."
                              : "The " + kind + " transfer of '" + remotePath +
                                    "' failed: " + curl_easy_strerror(curlCode) + ".";
            break;
    }
    ReportFailure(description, IsConnectionFailure(curlCode));
}

}  // namespace htmlsim::platform
