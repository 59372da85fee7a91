#include "remote/FtpClient.h"

#include <gtest/gtest.h>

#include "FakeFtpClient.h"
#include "FakeFtpDialogs.h"

namespace htmlsim {
namespace {

using testing::CollectErrors;
using testing::FakeFtpClient;
using testing::FakeFtpDialogs;

class FtpClientTest : public ::testing::Test {
  protected:
    FtpClientTest() {
        CollectErrors(client, errors);
        client.PutFile("/www/site/index.html", "<html>");
        client.PutFile("/www/other/b.html", "b");
    }

    void ConnectAt(const std::string& folder) {
        dialogs.connectionAnswers.push_back(FakeFtpClient::Login());
        ASSERT_TRUE(client.Connect());
        ASSERT_TRUE(client.ChangeRemoteFolder(folder));
    }

    FakeFtpDialogs dialogs;
    FakeFtpClient client{dialogs};
    std::vector<std::string> errors;
};

TEST_F(FtpClientTest, ConnectCancelledOrRefusedLeavesTheClientDisconnectedWithTheFlag) {
    EXPECT_FALSE(client.Connect());
    EXPECT_TRUE(client.StatusFlag());
    EXPECT_TRUE(errors.empty());  // cancelling is not an error

    dialogs.connectionAnswers.push_back(FakeFtpClient::Login("wrong"));
    EXPECT_FALSE(client.Connect("example.org", ""));
    EXPECT_EQ(errors, std::vector<std::string>{"The FTP server refused the login of user 'ann'."});
    EXPECT_FALSE(client.IsConnected());
    EXPECT_EQ(dialogs.proposedConnections.back().host, "example.org");
}

TEST_F(FtpClientTest, ReconnectingToTheSameServerKeepsTheDocumentAndFolder) {
    ConnectAt("/www/site");
    client.File().RemoteFilePath = "/www/site/index.html";
    EXPECT_EQ(client.File().CaptionText(), "ftp://ann@example.org:21/www/site/index.html");

    dialogs.connectionAnswers.push_back(FakeFtpClient::Login());
    EXPECT_TRUE(client.Connect());
    // The details of the last connection are proposed, password included (memory only).
    EXPECT_EQ(dialogs.proposedConnections.back().password, "secret");
    EXPECT_EQ(client.File().RemoteFilePath, "/www/site/index.html");

    auto other = FakeFtpClient::Login();
    other.user = "bob";
    dialogs.connectionAnswers.push_back(other);
    EXPECT_TRUE(client.Connect());
    EXPECT_EQ(client.File().RemoteFilePath, "");
    EXPECT_EQ(client.File().CaptionText(), "ftp://bob@example.org:21/");
}

TEST_F(FtpClientTest, RemoteFolderChoicesAndMissingFolders) {
    EXPECT_FALSE(client.SelectRemoteFolder());
    EXPECT_EQ(errors.size(), 1u);

    ConnectAt("/www");
    dialogs.folderAnswers.push_back("/www/site/");
    EXPECT_TRUE(client.SelectRemoteFolder());
    EXPECT_EQ(dialogs.folderStarts.back(), "/www/");
    EXPECT_EQ(client.File().RemoteFolder, "/www/site/");

    EXPECT_FALSE(client.ChangeRemoteFolder("/nowhere"));
    EXPECT_EQ(client.File().RemoteFolder, "/www/site/");
    EXPECT_TRUE(client.ChangeRemoteFolder("../other"));  // relative to the current folder
    EXPECT_EQ(client.File().RemoteFolder, "/www/other/");
    EXPECT_EQ(client.RemotePathOf("/a//./b/../c.html"), "/a/c.html");
    EXPECT_EQ(client.RemotePathOf("../../../x/"), "/x/");
}

TEST_F(FtpClientTest, ChoosersLeaveOrSetTheDocumentAsTheirModeSays) {
    ConnectAt("/www/site");
    client.File().RemoteFilePath = "/www/site/index.html";

    dialogs.fileAnswers.push_back("/www/other/b.html");
    EXPECT_EQ(client.ShowOpenDialog("HTML|*.html", FtpClient::kOpenDocumentMode),
              "/www/other/b.html");
    EXPECT_EQ(client.File().RemoteFilePath, "/www/site/index.html");
    EXPECT_EQ(dialogs.fileRequests.back().folder, "/www/site/");

    EXPECT_EQ(client.ShowSaveDialog("", "", 0), "");  // cancelled: nothing changes
    EXPECT_EQ(client.File().RemoteFilePath, "/www/site/index.html");
    dialogs.fileAnswers.push_back("/www/other/new.html");
    EXPECT_EQ(client.ShowSaveDialog("", "", 0), "/www/other/new.html");
    EXPECT_EQ(client.File().RemoteFilePath, "/www/other/new.html");
    EXPECT_EQ(client.File().RemoteFolder, "/www/other/");
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace htmlsim
