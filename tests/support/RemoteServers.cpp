#include "RemoteServers.h"

#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <cstdlib>
#include <stdexcept>

namespace htmlsim::testing {

namespace {

constexpr const char* kPython = "/usr/bin/python3";
constexpr int kStartTimeoutMs = 15000;

// The first line the child writes, "" when it writes none in time.
std::string ReadFirstLine(int fd) {
    std::string line;
    pollfd waiting{fd, POLLIN, 0};
    while (poll(&waiting, 1, kStartTimeoutMs) > 0) {
        char c = 0;
        if (read(fd, &c, 1) != 1 || c == '\n') {
            break;
        }
        line += c;
    }
    return line;
}

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

// The path of a script in tests/support/servers.
std::string ServerScript(const std::string& name) {
    return std::string(HTMLSIM_TEST_SUPPORT_DIR) + "/servers/" + name;
}

// A login to a test server on this machine.
FtpConnectionDetails LocalLogin(RemoteProtocol protocol, int port, const std::string& user,
                                const std::string& password) {
    FtpConnectionDetails details;
    details.protocol = protocol;
    details.host = "127.0.0.1";
    details.port = port;
    details.user = user;
    details.password = password;
    return details;
}

}  // namespace

int ServerProcess::Start(const std::string& script, const std::vector<std::string>& arguments) {
    Stop();
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        throw std::runtime_error("cannot create a pipe for a test server");
    }
    std::vector<std::string> all{kPython, script};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : all) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    mPid = fork();
    if (mPid == 0) {
        // A test binary killed by ctest's time-out takes its server with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execv(kPython, argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    const std::string line = mPid > 0 ? ReadFirstLine(pipeFds[0]) : "";
    close(pipeFds[0]);
    if (line.empty()) {
        Stop();
        throw std::runtime_error("the test server " + script + " did not start (" + kPython +
                                 " with its modules is needed)");
    }
    return std::stoi(line);
}

void ServerProcess::Stop() {
    if (mPid > 0) {
        kill(mPid, SIGKILL);
        waitpid(mPid, nullptr, 0);
    }
    mPid = -1;
}

FtpServerFixture::FtpServerFixture(FtpServerOptions options) : mOptions(options) {
    Start();
}

void FtpServerFixture::Start() {
    std::vector<std::string> arguments{Root().string(),
                                       "--port",
                                       std::to_string(mPort),
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
    return LocalLogin(mOptions.protocol, mPort, "writer", "write-secret");
}

FtpConnectionDetails FtpServerFixture::Reader() const {
    return LocalLogin(mOptions.protocol, mPort, "reader", "read-secret");
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

void MakeSshKey(const std::string& path, const std::string& passphrase) {
    std::filesystem::remove(path);
    std::filesystem::remove(path + ".pub");
    const std::string command = "ssh-keygen -q -t ed25519 -C htmlsim-test -N '" + passphrase +
                                "' -f '" + path + "' </dev/null";
    if (std::system(command.c_str()) != 0) {
        throw std::runtime_error("ssh-keygen could not make " + path);
    }
}

SftpServerFixture::SftpServerFixture(int cutUploadAfter) : mCutUploadAfter(cutUploadAfter) {
    MakeSshKey(mState.File("host_key"), "");
    Start();
}

void SftpServerFixture::Start() {
    std::vector<std::string> arguments{
        Root().string(),       "--host-key",  mState.File("host_key"),        "--port",
        std::to_string(mPort), "--cut-after", std::to_string(mCutUploadAfter)};
    if (mKeysAuthorized) {
        arguments.insert(arguments.end(), {"--authorized-keys", mState.File("authorized_keys")});
    }
    mPort = mProcess.Start(ServerScript("sftp_server.py"), arguments);
}

void SftpServerFixture::ChangeHostKey() {
    MakeSshKey(mState.File("host_key"), "");
}

void SftpServerFixture::AuthorizeKey(const std::string& publicKeyFile) {
    const std::string keys = mState.File("authorized_keys");
    WriteFileBytes(keys,
                   (mKeysAuthorized ? ReadFileBytes(keys) : "") + ReadFileBytes(publicKeyFile));
    mKeysAuthorized = true;
}

std::string SftpServerFixture::HostPublicKey() const {
    return ReadFileBytes(mState.File("host_key.pub"));
}

FtpConnectionDetails SftpServerFixture::Writer() const {
    return LocalLogin(RemoteProtocol::Sftp, mPort, "writer", "write-secret");
}

}  // namespace htmlsim::testing
