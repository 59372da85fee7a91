#include <gtest/gtest.h>

#include <algorithm>

#include "FakeFtpClient.h"
#include "FakeFtpDialogs.h"
#include "FakePictures.h"
#include "FakeSecretStore.h"
#include "FakeSurface.h"
#include "SessionTestSupport.h"
#include "document/DocumentTemplate.h"

namespace htmlsim::testing {
namespace {

class SessionFtp : public SessionTest {
  protected:
    SessionFtp() {
        session.SetFtpClient(ftp);
        ftp.PutFile("/www/site/index.html", "<HTML>index</HTML>");
        ftp.PutFile("/www/other/b.html", "<HTML>b</HTML>\r\n\r\n");
    }

    void EnterFtpModeAt(const std::string& folder) {
        ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login());
        ftpDialogs.folderAnswers.push_back(folder);
        session.NewFtpProjectCommand();
        ASSERT_EQ(session.DocumentSource(), kFtpDocument);
    }
    // Open FTP File, logging in again and choosing `path`.
    void OpenFtpFile(const std::string& path) {
        ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login());
        ftpDialogs.fileAnswers.push_back(path);
        session.OpenFtpFileCommand();
    }

    FakeFtpDialogs ftpDialogs;
    FakeFtpClient ftp{ftpDialogs};
};

// Writing the template, support files and opening elsewhere are also run against a real server;
// here: what the session adds around them.
TEST_F(SessionFtp, SupportFilesAreWrittenOnceAndMissingPagesAreCreatedOrFoundInTheirUpload) {
    session.Start("");
    EnterFtpModeAt("/www/site/");
    EXPECT_EQ(view.captions.back(), "ftp://ann@example.org:21/www/site/");
    ftpDialogs.fileAnswers.push_back("/www/site/new page.html");
    session.SaveCommand();  // no remote name yet: Save As
    EXPECT_EQ(view.captions.back(), "ftp://ann@example.org:21/www/site/new page.html");
    ftp.files["/www/site/MyStyle.css"] = "/* mine */";
    session.SetDocumentText("<HTML>edited</HTML>\r\n\r\n");
    session.SaveCommand();
    EXPECT_EQ(ftp.files["/www/site/new page.html"], "<HTML>edited</HTML>\r\n\r\n");
    EXPECT_EQ(ftp.files["/www/site/MyStyle.css"], "/* mine */");
    EXPECT_EQ(ftpDialogs.fileRequests.size(), 1u);

    // Cancelling the chooser keeps the document; a name not on the server becomes a new page.
    ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login());
    session.OpenFtpFileCommand();
    EXPECT_EQ(session.PathAndName(), "/www/site/new page.html");
    OpenFtpFile("/www/other/c.html");
    EXPECT_EQ(ftp.files["/www/other/c.html"], NewDocumentTemplate());
    EXPECT_EQ(session.PathAndName(), "/www/other/c.html");
    EXPECT_TRUE(dialogs.messages.empty());

    // A save cut off after the old page was removed left only the whole temporary copy: it is
    // opened, with a note.
    ftp.PutFile("/www/site/.lost.html.part", "<HTML>saved</HTML>\r\n");
    session.OpenDocument("/www/site/lost.html");
    EXPECT_EQ(session.DocumentText(), "<HTML>saved</HTML>\r\n");
    EXPECT_EQ(session.PathAndName(), "/www/site/lost.html");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "The page '/www/site/lost.html' is missing, but the copy being saved when the "
              "connection was lost is there: it is opened instead. Save to put it in place.");
    session.SaveCommand();
    EXPECT_EQ(ftp.files["/www/site/lost.html"], "<HTML>saved</HTML>\r\n");
}

// A recent remote document is kept as its address without the password; reopened, it connects
// with the remembered password, or asks for one.
TEST_F(SessionFtp, ARecentRemoteDocumentReconnectsWithTheRememberedPassword) {
    session.Start("");
    FakeSecretStore secrets;
    ftp.SetSecretStore(&secrets);
    secrets.secrets["ftp://ann@example.org:21"] = "secret";
    session.OpenRecentDocument("ftp://ann@example.org:21/www/other/b.html");
    EXPECT_EQ(session.DocumentSource(), kFtpDocument);
    EXPECT_EQ(session.DocumentText(), "<HTML>b</HTML>\r\n\r\n");
    EXPECT_TRUE(ftpDialogs.proposedConnections.empty());

    secrets.secrets.clear();
    session.OpenRecentDocument("ftp://ann@example.org:21/www/site/index.html");
    ASSERT_EQ(ftpDialogs.proposedConnections.size(), 1u);  // cancelled: nothing changes
    EXPECT_EQ(ftpDialogs.proposedConnections[0].host, "example.org");
    EXPECT_EQ(session.PathAndName(), "/www/other/b.html");
}

TEST_F(SessionFtp, ConnectionFailuresKeepTheDocumentAndAreShownOnce) {
    session.Start("");
    ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login("wrong"));
    session.NewFtpProjectCommand();
    EXPECT_EQ(session.DocumentSource(), kLocalDocument);
    session.NewFtpProjectCommand();  // cancelled: nothing to say
    EXPECT_EQ(dialogs.messages.size(), 1u);

    EnterFtpModeAt("/www/site/");
    OpenFtpFile("/www/site/index.html");
    session.SetDocumentText("<HTML>changed</HTML>");

    ftp.readOnly = true;
    EXPECT_FALSE(session.SaveDocument());
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(ftp.files["/www/site/index.html"], "<HTML>index</HTML>");
}

// What the window shows follows the session: a remote page opened or saved from the Document
// Editor shows its design, so an edit typed there cannot land on another page.
TEST_F(SessionFtp, TheWindowShowsTheTabOfTheOpenedOrSavedPage) {
    session.Start("");
    EnterFtpModeAt("/www/site/");
    const auto openFromTheEditor = [&](const std::string& path) {
        view.shownTab = kDocumentEditorTab;
        session.SwitchTab(kDocumentEditorTab);
        OpenFtpFile(path);
        EXPECT_EQ(session.PathAndName(), path);
        EXPECT_EQ(view.shownTab, session.CurrentTab()) << path;
    };
    openFromTheEditor("/www/site/index.html");
    openFromTheEditor("/www/other/b.html");

    view.shownTab = kDocumentEditorTab;
    session.SwitchTab(kDocumentEditorTab);
    ftpDialogs.fileAnswers.push_back("/www/site/copy.html");
    ASSERT_TRUE(session.SaveAsFtpFileCommand());
    EXPECT_EQ(view.shownTab, session.CurrentTab());
}

// A failed or cancelled open or Save As leaves the document's name, mode and caption as they
// were and reports no save that did not happen; the edits stay, still unsaved, and a failure is
// told once.
TEST_F(SessionFtp, AFailedStepKeepsTheNameAndModeTheDocumentHad) {
    Write("local.html", "<HTML>local</HTML>\r\n");
    session.Start(File("local.html"));
    ftp.unreadable.insert("/www/site/index.html");
    OpenFtpFile("/www/site/index.html");
    EXPECT_EQ(session.HistoryIndex(), 1);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    session.SetDocumentText("<HTML>edited</HTML>");
    const auto expectUnmoved = [&](const std::string& step) {
        EXPECT_EQ(session.PathAndName(), File("local.html")) << step;
        EXPECT_EQ(session.FileNameOnly(), "local") << step;
        EXPECT_EQ(session.DocumentSource(), kLocalDocument) << step;
        EXPECT_EQ(view.captions.back(), File("local.html")) << step;
        EXPECT_EQ(ftp.File().RemoteFilePath, "") << step;
        EXPECT_EQ(session.DocumentText(), "<HTML>edited</HTML>") << step;
        EXPECT_TRUE(session.ChangedSinceSaved()) << step;
    };
    expectUnmoved("failed open");
    EXPECT_FALSE(session.SaveAsFtpFileCommand());  // the chooser was cancelled
    expectUnmoved("cancelled Save As FTP File");

    dialogs.fileAnswers.push_back(File("no such folder/copy.html"));
    EXPECT_FALSE(session.SaveAsCommand());
    expectUnmoved("local Save As");
    EXPECT_EQ(dialogs.messages.size(), 2u);

    ftp.readOnly = true;
    ftpDialogs.fileAnswers.push_back("/www/site/copy.html");
    EXPECT_FALSE(session.SaveAsFtpFileCommand());
    expectUnmoved("Save As FTP File");
    EXPECT_EQ(dialogs.messages.size(), 3u);

    EXPECT_TRUE(session.SaveCommand());  // to the file the document still has
    EXPECT_EQ(Read("local.html"), "<HTML>edited</HTML>\r\n");
    EXPECT_FALSE(ftp.files.contains("/www/site/copy.html"));
    EXPECT_EQ(ftp.files["/www/site/index.html"], "<HTML>index</HTML>");

    // The first save of a page new on the server asks for its name.
    ftp.readOnly = false;
    EnterFtpModeAt("/www/site/");
    ftp.readOnly = true;
    ftpDialogs.fileAnswers.push_back("/www/other/new.html");
    EXPECT_FALSE(session.SaveCommand());
    EXPECT_EQ(session.DocumentSource(), kFtpDocument);
    EXPECT_EQ(ftp.File().RemoteFilePath, "");
    EXPECT_EQ(session.PathAndName(), File("local.html"));
    EXPECT_EQ(view.captions.back(), "ftp://ann@example.org:21/www/site/");
    EXPECT_EQ(dialogs.messages.size(), 4u);
}

TEST_F(SessionFtp, RemotePicturesAreDownloadedOnceIntoTheTemporaryFolder) {
    FakeSurface surface;
    FakePictures pictures;
    session.AttachDesignServices(surface, pictures);
    pictures.AddBytes("JPEG a", 40, 30);
    const std::string cacheFile = session.TemporaryFolder() + "/a.jpg";
    pictures.Add(cacheFile, 40, 30);
    ftp.PutFile("/www/site/img/a.jpg", "JPEG a");
    ftp.PutFile("/www/site/pics.html", TestDataFile("session/pictures-a-and-none.html"));
    session.Start("");
    EnterFtpModeAt("/www/site/");
    OpenFtpFile("/www/site/pics.html");
    EXPECT_EQ(Read("program/Temp/a.jpg"), "JPEG a");
    EXPECT_EQ(surface.paints.size(), 1u);
    EXPECT_EQ(dialogs.MessageTexts(),
              (std::vector<std::string>{"File Does Not Exist: '/www/site/img/none.jpg'",
                                        "Picture cannot be loaded: '/www/site/img/none.jpg'"}));

    session.SwitchTab(kImageDesignTab);  // the second import reads the picture from the cache
    EXPECT_EQ(std::count(ftp.fetched.begin(), ftp.fetched.end(), "/www/site/img/a.jpg"), 1);
    EXPECT_EQ(surface.paints.size(), 1u);
}

}  // namespace
}  // namespace htmlsim::testing
