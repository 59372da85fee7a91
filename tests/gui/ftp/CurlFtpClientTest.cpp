#include "ftp/CurlFtpClient.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "FakeFtpClient.h"
#include "FakeFtpDialogs.h"
#include "FtpServerFixture.h"
#include "TempFolder.h"

namespace htmlsim::platform {
namespace {

using testing::CollectErrors;
using testing::FakeFtpDialogs;
using testing::FtpServerFixture;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

// Short timeouts keep the fault tests quick; libcurl counts the login in the connect time.
constexpr FtpTimeouts kTestTimeouts{5, 5, 5};

class CurlFtpClientTest : public ::testing::Test {
  protected:
    CurlFtpClientTest() {
        CollectErrors(client, errors);
        std::filesystem::create_directories(server.LocalPath("/site/img"));
        WriteFileBytes(server.LocalPath("/site/index.html"), "old page\r\n");
    }

    bool ConnectAs(const FtpConnectionDetails& details) {
        dialogs.connectionAnswers.push_back(details);
        return client.Connect();
    }

    FtpServerFixture server;
    FakeFtpDialogs dialogs;
    CurlFtpClient client{dialogs, kTestTimeouts};
    std::vector<std::string> errors;
};

TEST_F(CurlFtpClientTest, TransfersEveryByteUnchangedAndListsFolders) {
    ASSERT_TRUE(ConnectAs(server.Writer()));
    EXPECT_EQ(client.File().RemoteFolder, "/");
    EXPECT_EQ(client.File().ServerAddress,
              "ftp://writer@127.0.0.1:" + std::to_string(server.Port()));
    ASSERT_TRUE(client.ChangeRemoteFolder("site"));
    EXPECT_EQ(client.File().RemoteFolder, "/site/");

    std::string text = "<html>\r\n\xe9t\xe9 \x80\x00 end\n";
    text += std::string(1, '\0') + "\r";
    ASSERT_TRUE(client.WriteRemoteText("my page.html", text));
    EXPECT_EQ(ReadFileBytes(server.LocalPath("/site/my page.html")), text);
    EXPECT_EQ(client.ReadRemoteText("/site/my page.html"), text);
    ASSERT_TRUE(client.WriteRemoteText("index.html", "new page"));  // renamed over the old one
    EXPECT_EQ(ReadFileBytes(server.LocalPath("/site/index.html")), "new page");

    EXPECT_TRUE(client.RemoteFileExists("index.html"));
    EXPECT_FALSE(client.RemoteFileExists("missing.html"));
    EXPECT_FALSE(client.RemoteFileExists("/site/img"));  // a folder is not a file
    EXPECT_FALSE(client.ChangeRemoteFolder("/gone"));
    EXPECT_EQ(client.File().RemoteFolder, "/site/");
    EXPECT_FALSE(client.ReadRemoteText("missing.html"));
    EXPECT_EQ(errors, (std::vector<std::string>{"The remote folder '/gone/' does not exist.",
                                                "The remote file '/site/missing.html' does not "
                                                "exist."}));
    errors.clear();

    const auto entries = client.ListRemoteFolder("/site/");
    ASSERT_TRUE(entries.has_value());
    std::vector<RemoteEntry> sorted = *entries;
    std::sort(sorted.begin(), sorted.end(),
              [](const RemoteEntry& a, const RemoteEntry& b) { return a.name < b.name; });
    const std::vector<RemoteEntry> expected{
        {"img", true}, {"index.html", false}, {"my page.html", false}};
    EXPECT_EQ(sorted, expected);  // no temporary upload left behind

    testing::TempFolder local;
    const std::string picture = "\x89PNG\r\n\x1a\n" + std::string(70000, '\x07');
    WriteFileBytes(local.File("a.png"), picture);
    ASSERT_TRUE(client.Upload("/site/img/a.png", local.File("a.png")));
    EXPECT_EQ(client.DownloadBytes("img/a.png"), picture);
    ASSERT_TRUE(client.Download(local.File("copy.png"), "/site/img/a.png"));
    EXPECT_EQ(ReadFileBytes(local.File("copy.png")), picture);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(CurlFtpClientTest, RefusedLoginMissingRightAndALostServerAreReportedWithoutThePassword) {
    auto wrong = server.Writer();
    wrong.password = "not-the-password";
    EXPECT_FALSE(ConnectAs(wrong));
    EXPECT_TRUE(client.StatusFlag());
    EXPECT_FALSE(client.IsConnected());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "The FTP server 127.0.0.1:" + std::to_string(server.Port()) +
                             " refused the login of user 'writer'. Check the user name and "
                             "password.");
    EXPECT_EQ(errors[0].find("not-the-password"), std::string::npos);

    ASSERT_TRUE(ConnectAs(server.Reader()));
    EXPECT_EQ(client.ReadRemoteText("/site/index.html"), "old page\r\n");
    EXPECT_FALSE(client.WriteRemoteText("/site/index.html", "overwritten"));
    EXPECT_FALSE(client.StatusFlag());  // the connection is fine, the right is missing
    EXPECT_EQ(errors.back(),
              "Permission denied: the FTP server does not let user 'reader' write "
              "'/site/index.html'.");
    EXPECT_EQ(ReadFileBytes(server.LocalPath("/site/index.html")), "old page\r\n");
    errors.clear();

    // The server stopped mid-session, then back again.
    server.Stop();
    EXPECT_FALSE(client.RemoteFileExists("/site/index.html"));
    EXPECT_TRUE(client.StatusFlag());  // callers end silently instead of "missing file"
    EXPECT_FALSE(client.WriteRemoteText("/site/index.html", "lost"));
    EXPECT_TRUE(client.StatusFlag());
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], "Cannot reach the FTP server 127.0.0.1:" + std::to_string(server.Port()) +
                             ". Check the address and that the server is running.");

    server.Start();  // the next operation logs in again by itself
    EXPECT_EQ(client.ReadRemoteText("/site/index.html"), "old page\r\n");
    EXPECT_FALSE(client.StatusFlag());
    EXPECT_EQ(errors.size(), 2u);
}

TEST(CurlFtpClientTimeouts, AServerThatNeverAnswersIsGivenUp) {
    // A socket that listens but never speaks: the connection opens, the greeting never comes.
    const int silent = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(silent, 1), 0);
    socklen_t length = sizeof address;
    getsockname(silent, reinterpret_cast<sockaddr*>(&address), &length);

    FakeFtpDialogs dialogs;
    CurlFtpClient client(dialogs, FtpTimeouts{2, 2, 2});
    FtpConnectionDetails details;
    details.protocol = RemoteProtocol::Ftp;
    details.host = "127.0.0.1";
    details.port = ntohs(address.sin_port);
    dialogs.connectionAnswers.push_back(details);
    EXPECT_FALSE(client.Connect());
    EXPECT_TRUE(client.StatusFlag());
    EXPECT_EQ(client.LastError(), "The FTP server 127.0.0.1:" + std::to_string(details.port) +
                                      " did not answer in time.");
    close(silent);
}

}  // namespace
}  // namespace htmlsim::platform
