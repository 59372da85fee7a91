#include <gtest/gtest.h>

#include <filesystem>

#include "FakeFtpClient.h"
#include "FakeFtpDialogs.h"
#include "PageDocument.h"
#include "RecoveryTestSupport.h"

namespace htmlsim::testing {
namespace {

const std::string kPage = PageDocument({{"Main", "old body\r\n"}, {"Other", "kept\r\n"}});

class RecoveryKeeping : public RecoveryTest {
  protected:
    RecoveryKeeping() {
        Write("page.html", kPage);
        session.Start(File("page.html"));
        keeper.Notice();
        session.SwitchTab(kDocumentEditorTab);
        session.SelectSection(1);  // "Main"
    }
};

TEST_F(RecoveryKeeping, TheCopyFollowsTheTypingAfterAQuietMomentAndGoesWithTheSave) {
    EXPECT_FALSE(keeper.NextDeadline());
    TypeAt(100, "typed\n");
    EXPECT_EQ(keeper.NextDeadline(), 102.0);
    TypeAt(101, "typed more\n");
    WaitUntil(102.9);
    EXPECT_FALSE(CopyExists("mine"));

    WaitUntil(103);
    // The typing was never put back into the document, yet the copy holds it.
    const std::string copy = ReadFileBytes(Copy("mine", ".html"));
    EXPECT_NE(copy.find("<!-- Section: Main -->\r\ntyped more\r\n<!-- Section End -->"),
              std::string::npos)
        << copy;
    EXPECT_NE(copy.find("kept\r\n"), std::string::npos);
    EXPECT_EQ(Read("page.html"), kPage);
    const auto record = recoveryFolder.Record("mine");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->path, File("page.html"));
    EXPECT_FALSE(record->remote);
    EXPECT_EQ(record->encoding, "UTF-8");
    ASSERT_TRUE(record->original);
    EXPECT_EQ(record->original->size, kPage.size());
    EXPECT_GT(record->savedAtSeconds, 0);
    EXPECT_EQ(ModeOf(recoveryFolder.Path()), 0700u);
    EXPECT_EQ(ModeOf(Copy("mine", ".html")), 0600u);
    EXPECT_EQ(ModeOf(Copy("mine", ".json")), 0600u);
    EXPECT_FALSE(keeper.NextDeadline());

    // Steady typing is kept at least every 30 seconds.
    for (int second = 200; second < 230; ++second) {
        TypeAt(second, "steady " + std::to_string(second) + "\n");
        WaitUntil(second + 0.5);
    }
    EXPECT_EQ(keeper.NextDeadline(), 230.0);
    WaitUntil(230);
    EXPECT_NE(ReadFileBytes(Copy("mine", ".html")).find("steady 229"), std::string::npos);

    session.SaveCommand();
    keeper.Notice();
    EXPECT_FALSE(CopyExists("mine"));
    EXPECT_FALSE(std::filesystem::exists(Copy("mine", ".json")));
    EXPECT_TRUE(locks.held.contains("mine"));
    keeper.DocumentClosed();
    EXPECT_TRUE(locks.held.empty());
}

TEST_F(RecoveryKeeping, UndoingBackToTheFileRemovesTheCopy) {
    TypeAt(100, "typed\n");
    WaitUntil(102);
    ASSERT_TRUE(CopyExists("mine"));
    TypeAt(103, "old body\n");
    EXPECT_FALSE(CopyExists("mine"));
    EXPECT_FALSE(keeper.NextDeadline());
}

TEST_F(RecoveryKeeping, ACopyThatCannotBeWrittenIsReportedOnceAndTheEditingGoesOn) {
    // The recovery folder's parent is a file: nothing can be made below it.
    Write("data", "not a folder");
    TypeAt(100, "first\n");
    WaitUntil(102);
    TypeAt(103, "second\n");
    WaitUntil(105);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind(
                  "Your changes could not be kept for recovery after a crash: ", 0),
              0u)
        << dialogs.messages[0].text;
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(keeper.NextDeadline());
    session.SaveCommand();
    EXPECT_NE(Read("page.html").find("second\r\n"), std::string::npos);
}

TEST(RecoveryRemoteDocument, TheRecordNamesTheServerAndPathButNoPassword) {
    TempFolder folder;
    FakeDialogs dialogs;
    Session session(dialogs, folder.File("program"));
    FakeFtpDialogs ftpDialogs;
    FakeFtpClient ftp(ftpDialogs);
    session.SetFtpClient(ftp);
    ftp.PutFile("/www/page.html", "<HTML>remote</HTML>");
    ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login("secret"));
    ftpDialogs.fileAnswers.push_back("/www/page.html");
    session.OpenFtpFileCommand();
    ASSERT_EQ(session.DocumentSource(), kFtpDocument);

    RecoveryFolder recoveryFolder(folder.File("recovery"));
    FakeRecoveryLocks locks;
    double now = 0;
    RecoveryKeeper keeper(session, recoveryFolder, locks, "remote", [&now] { return now; });
    keeper.Notice();
    session.SetDocumentText("<HTML>changed</HTML>");
    keeper.Notice();
    now = 2;
    keeper.WriteIfDue();

    const std::string record = ReadFileBytes(folder.File("recovery/remote.json"));
    EXPECT_EQ(record.find("secret"), std::string::npos) << record;
    EXPECT_EQ(ReadFileBytes(folder.File("recovery/remote.html")), "<HTML>changed</HTML>");
    const auto read = recoveryFolder.Record("remote");
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->remote);
    EXPECT_EQ(read->Address(), "ftp://ann@example.org:21/www/page.html");
    EXPECT_FALSE(read->original);
}

}  // namespace
}  // namespace htmlsim::testing
