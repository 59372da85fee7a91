#include <gtest/gtest.h>

#include <algorithm>

#include "FakeFtpClient.h"
#include "FakeFtpDialogs.h"
#include "FakePictures.h"
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

    FakeFtpDialogs ftpDialogs;
    FakeFtpClient ftp{ftpDialogs};
};

TEST_F(SessionFtp, ANewPageSavedWritesItAndItsSupportFilesOnce) {
    session.Start("");
    EnterFtpModeAt("/www/site/");
    EXPECT_EQ(view.captions.back(), "ftp://ann@example.org:21/www/site/");
    EXPECT_EQ(session.DocumentText(), NewDocumentTemplate());  // the text stays

    ftpDialogs.fileAnswers.push_back("/www/site/new page.html");
    session.SaveCommand();  // no remote name yet: Save As
    ASSERT_EQ(ftpDialogs.fileRequests.size(), 1u);
    EXPECT_TRUE(ftpDialogs.fileRequests[0].forSaving);
    EXPECT_EQ(ftp.files["/www/site/new page.html"], NewDocumentTemplate());
    EXPECT_EQ(ftp.files["/www/site/MyStyle.css"], StyleSheetText());
    EXPECT_EQ(ftp.files["/www/site/HTMLSimulation.js"], ScriptText());
    EXPECT_EQ(session.PathAndName(), "/www/site/new page.html");
    EXPECT_EQ(session.PathOnly(), "/www/site/");
    EXPECT_EQ(session.FileNameOnly(), "new page");
    EXPECT_EQ(view.captions.back(), "ftp://ann@example.org:21/www/site/new page.html");

    ftp.files["/www/site/MyStyle.css"] = "/* mine */";
    session.SetDocumentText("<HTML>edited</HTML>\r\n\r\n");
    session.SaveCommand();
    EXPECT_EQ(ftp.files["/www/site/new page.html"], "<HTML>edited</HTML>\r\n\r\n");
    EXPECT_EQ(ftp.files["/www/site/MyStyle.css"], "/* mine */");
    EXPECT_EQ(ftpDialogs.fileRequests.size(), 1u);
    EXPECT_FALSE(session.ChangedSinceSaved());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SessionFtp, OpeningARemotePageInAnotherFolderMovesThereFirst) {
    session.Start("");
    EnterFtpModeAt("/www/site/");
    ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login());
    ftpDialogs.fileAnswers.push_back("/www/other/b.html");
    session.OpenFtpFileCommand();
    EXPECT_EQ(ftp.File().RemoteFolder, "/www/other/");
    EXPECT_EQ(ftp.File().RemoteFilePath, "/www/other/b.html");
    EXPECT_EQ(session.DocumentText(), "<HTML>b</HTML>\r\n\r\n");
    EXPECT_EQ(session.History()[session.HistoryIndex()], "/www/other/b.html");
    EXPECT_EQ(view.captions.back(), "ftp://ann@example.org:21/www/other/b.html");
    EXPECT_EQ(ftpDialogs.fileRequests.back().filter, kDocumentFilter);

    // Cancelling the chooser keeps the document as it is.
    ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login());
    session.OpenFtpFileCommand();
    EXPECT_EQ(session.PathAndName(), "/www/other/b.html");
    EXPECT_EQ(session.DocumentText(), "<HTML>b</HTML>\r\n\r\n");

    // A name that is not on the server yet becomes a new page there.
    ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login());
    ftpDialogs.fileAnswers.push_back("/www/other/c.html");
    session.OpenFtpFileCommand();
    EXPECT_EQ(ftp.files["/www/other/c.html"], NewDocumentTemplate());
    EXPECT_EQ(session.PathAndName(), "/www/other/c.html");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SessionFtp, ConnectionFailuresKeepTheDocumentAndAreShownOnce) {
    session.Start("");
    ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login("wrong"));
    session.NewFtpProjectCommand();
    EXPECT_EQ(session.DocumentSource(), kLocalDocument);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"The FTP server refused the login of user 'ann'."});
    session.NewFtpProjectCommand();  // cancelled: nothing to say
    EXPECT_EQ(dialogs.messages.size(), 1u);

    EnterFtpModeAt("/www/site/");
    ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login());
    ftpDialogs.fileAnswers.push_back("/www/site/index.html");
    session.OpenFtpFileCommand();
    session.SetDocumentText("<HTML>changed</HTML>");

    ftp.serverUp = false;
    EXPECT_FALSE(session.SaveDocument());
    session.OpenDocument("/www/other/b.html");
    EXPECT_EQ(dialogs.messages.size(), 3u);  // one for the save, one for the open
    EXPECT_EQ(dialogs.messages.back().text,
              "Not connected to an FTP server. Connect first with File, FTP.");
    EXPECT_EQ(session.DocumentText(), "<HTML>changed</HTML>");
    EXPECT_EQ(session.PathAndName(), "/www/site/index.html");
    EXPECT_TRUE(session.ChangedSinceSaved());

    ftp.serverUp = true;
    ftp.readOnly = true;
    EXPECT_FALSE(session.SaveDocument());
    EXPECT_EQ(dialogs.messages.back().text,
              "Permission denied: cannot write '/www/site/HTMLSimulation.js'.");
    EXPECT_EQ(dialogs.messages.size(), 4u);
    EXPECT_EQ(ftp.files["/www/site/index.html"], "<HTML>index</HTML>");
}

TEST_F(SessionFtp, RemotePicturesAreDownloadedOnceIntoTheTemporaryFolder) {
    FakeSurface surface;
    FakePictures pictures;
    session.AttachDesignServices(surface, pictures);
    pictures.AddBytes("JPEG a", 40, 30);
    const std::string cacheFile = session.TemporaryFolder() + "/a.jpg";
    pictures.Add(cacheFile, 40, 30);
    ftp.PutFile("/www/site/img/a.jpg", "JPEG a");
    ftp.PutFile(
        "/www/site/pics.html",
        "<!-- Section: Images -->\r\n"
        "<IMG SRC='./img/a.jpg' Name='a' STYLE='position:absolute; left:0px; top:0px;'/>\r\n"
        "<IMG SRC='./img/none.jpg' Name='b' STYLE='position:absolute; left:0px; "
        "top:0px;'/>\r\n"
        "<!-- Section End -->\r\n");
    session.Start("");
    EnterFtpModeAt("/www/site/");
    ftpDialogs.connectionAnswers.push_back(FakeFtpClient::Login());
    ftpDialogs.fileAnswers.push_back("/www/site/pics.html");
    session.OpenFtpFileCommand();
    ASSERT_EQ(session.Design().ImageCount(), 2);
    EXPECT_EQ(session.Design().Image(1).PathAndName(), "/www/site/img/a.jpg");
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
