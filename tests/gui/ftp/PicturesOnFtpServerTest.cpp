#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "FakeDialogs.h"
#include "FakeFtpDialogs.h"
#include "FtpServerFixture.h"
#include "QtClipboard.h"
#include "QtPictures.h"
#include "TempFolder.h"
#include "document/DocumentTemplate.h"
#include "document/SectionDocument.h"
#include "ftp/CurlFtpClient.h"
#include "insert/ImageInsertion.h"
#include "insert/RemoteImageInsertion.h"
#include "services/NoSurface.h"
#include "session/Navigation.h"
#include "session/Session.h"

namespace htmlsim::testing {
namespace {

void WritePicture(const std::string& path, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(QString::fromStdString(path)));
}

// A page in /site on a real server, with pictures decoded as in the editor.
class PicturesOnFtpServer : public ::testing::Test {
  protected:
    PicturesOnFtpServer() : session(dialogs, program.File("program")) {
        std::filesystem::create_directories(server.LocalPath("/site"));
        std::filesystem::create_directories(server.LocalPath("/pics"));
        session.SetFtpClient(client);
        session.AttachDesignServices(surface, pictures);
        session.Start("");
        ftpDialogs.connectionAnswers.push_back(server.Writer());
        ftpDialogs.folderAnswers.push_back("/site/");
        session.NewFtpProjectCommand();
        ftpDialogs.fileAnswers.push_back("/site/page.html");
        session.SaveCommand();
    }

    std::string Images() const { return GetSectionText(session.DocumentText(), "Images"); }

    FtpServerFixture server;
    TempFolder program;
    FakeDialogs dialogs;
    FakeFtpDialogs ftpDialogs;
    platform::CurlFtpClient client{ftpDialogs, platform::FtpTimeouts{5, 5, 5}};
    NoSurface surface;
    QtPictures pictures;
    Session session;
};

TEST_F(PicturesOnFtpServer, ALocalPictureIsUploadedAndReferencedBesideThePage) {
    WritePicture(program.File("shot.png"), 40, 30);
    dialogs.fileAnswers.push_back(program.File("shot.png"));
    InsertImageFromFile(session);
    EXPECT_EQ(ReadFileBytes(server.LocalPath("/site/shot.png")),
              ReadFileBytes(program.File("shot.png")));
    EXPECT_NE(Images().find("<IMG SRC='shot.png' Name='shot' BORDER='0' Width='40' Height='30'"),
              std::string::npos);

    // A bitmap becomes a JPEG on the server.
    const QImage bitmap(8, 6, QImage::Format_RGB32);
    ASSERT_TRUE(bitmap.save(QString::fromStdString(program.File("scan.bmp"))));
    dialogs.fileAnswers.push_back(program.File("scan.bmp"));
    InsertImageFromFile(session);
    EXPECT_TRUE(std::filesystem::exists(server.LocalPath("/site/scan.jpg")));
    EXPECT_NE(Images().find("<IMG SRC='scan.jpg'"), std::string::npos);
    EXPECT_EQ(session.Design().ImageCount(), 2);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
}

TEST_F(PicturesOnFtpServer, ARemotePictureInsertedTwiceIsDownloadedOnce) {
    WritePicture(server.LocalPath("/pics/photo.jpg"), 20, 10);
    ftpDialogs.fileAnswers.push_back("/pics/photo.jpg");
    InsertImageFromFtp(session);
    EXPECT_NE(Images().find("<IMG SRC='../pics/photo.jpg'"), std::string::npos);

    // Gone from the server, the picture fetched before still serves.
    std::filesystem::remove(server.LocalPath("/pics/photo.jpg"));
    ftpDialogs.fileAnswers.push_back("/pics/photo.jpg");
    InsertImageFromFtp(session);
    EXPECT_EQ(session.Design().ImageCount(), 2);
    EXPECT_EQ(session.Design().Image(2).Width, 20);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;

    InsertImageFromFtp(session);  // the chooser cancelled: nothing happens
    EXPECT_EQ(session.Design().ImageCount(), 2);
}

TEST_F(PicturesOnFtpServer, APastedPictureIsUploadedUnderTheNameGiven) {
    QImage shot(30, 20, QImage::Format_RGB32);
    shot.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(shot);
    QtClipboard clipboard;
    dialogs.inputAnswers.push_back("pasted");
    PasteImageFromClipboard(session, clipboard);
    ASSERT_EQ(dialogs.asked.back().kind, "input");
    EXPECT_TRUE(std::filesystem::exists(server.LocalPath("/site/pasted.jpg")));
    EXPECT_NE(Images().find("<IMG SRC='pasted.jpg' Name='pasted' BORDER='0' Width='30'"),
              std::string::npos);
}

TEST_F(PicturesOnFtpServer, FollowingALinkToAMissingPageCreatesItOnTheServer) {
    Navigation navigation(session);
    navigation.FollowLink("next.html");
    EXPECT_EQ(ReadFileBytes(server.LocalPath("/site/next.html")), NewDocumentTemplate());
    EXPECT_EQ(session.PathAndName(), "/site/next.html");
    navigation.Back();
    EXPECT_EQ(session.PathAndName(), "/site/page.html");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
}

}  // namespace
}  // namespace htmlsim::testing
