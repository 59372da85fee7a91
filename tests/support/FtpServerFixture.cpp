#include "FtpServerFixture.h"

#include "SftpServerFixture.h"

namespace htmlsim::testing {

namespace {

const char* TlsMode(RemoteProtocol protocol) {
    switch (protocol) {
        case RemoteProtocol::FtpExplicitTls:
            return "explicit";
        case RemoteProtocol::FtpImplicitTls:
            return "implicit";
        default:
            return "none";
    }
}

}  // namespace

FtpServerFixture::FtpServerFixture(FtpServerOptions options) : mOptions(options) {
    Start();
}

void FtpServerFixture::Start() {
    std::vector<std::string> arguments{Root().string(),
                                       "--port",
                                       std::to_string(mPort),
                                       "--read-limit",
                                       std::to_string(mOptions.uploadBytesPerSecond),
                                       "--tls",
                                       TlsMode(mOptions.protocol),
                                       "--certificate",
                                       mState.File("certificate.pem"),
                                       "--command-log",
                                       mState.File("commands.log"),
                                       "--cut-after",
                                       std::to_string(mOptions.cutUploadAfter)};
    if (!mOptions.machineListings) {
        arguments.push_back("--no-mlsd");
    }
    mPort = mProcess.Start(ServerScript("ftp_server.py"), arguments);
}

std::string FtpServerFixture::CommandLog() const {
    return ReadFileBytes(mState.File("commands.log"));
}

FtpConnectionDetails FtpServerFixture::Writer() const {
    return Details("writer", "write-secret");
}

FtpConnectionDetails FtpServerFixture::Reader() const {
    return Details("reader", "read-secret");
}

FtpConnectionDetails FtpServerFixture::Details(const std::string& user,
                                               const std::string& password) const {
    FtpConnectionDetails details;
    details.protocol = mOptions.protocol;
    details.host = "127.0.0.1";
    details.port = mPort;
    details.user = user;
    details.password = password;
    return details;
}

std::unique_ptr<RemoteServerFixture> MakeServerFixture(RemoteProtocol protocol,
                                                       int cutUploadAfter) {
    if (protocol == RemoteProtocol::Sftp) {
        return std::make_unique<SftpServerFixture>(cutUploadAfter);
    }
    FtpServerOptions options;
    options.protocol = protocol;
    options.cutUploadAfter = cutUploadAfter;
    return std::make_unique<FtpServerFixture>(options);
}

}  // namespace htmlsim::testing
