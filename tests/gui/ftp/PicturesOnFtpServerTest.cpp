#include <gtest/gtest.h>

#include <QImage>

#include "../Pictures.h"
#include "FakeDialogs.h"
#include "FakeFtpDialogs.h"
#include "FtpServerFixture.h"
#include "QtPictures.h"
#include "TempFolder.h"
#include "document/SectionDocument.h"
#include "ftp/CurlFtpClient.h"
#include "insert/ImageInsertion.h"
#include "insert/RemoteImageInsertion.h"
#include "services/NoSurface.h"
#include "session/Session.h"

namespace htmlsim::testing {
namespace {

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

TEST_F(PicturesOnFtpServer, ALocalPictureIsUploadedAndARemoteOneDownloadedOnce) {
    ASSERT_TRUE(WritePicture(program.File("shot.png"), 40, 30));
    dialogs.fileAnswers.push_back(program.File("shot.png"));
    InsertImageFromFile(session);
    EXPECT_EQ(ReadFileBytes(server.LocalPath("/site/shot.png")),
              ReadFileBytes(program.File("shot.png")));
    EXPECT_NE(Images().find("<canvas id='Canvas_1' SRC='shot.png' width='40' Height='30'"),
              std::string::npos);

    ASSERT_TRUE(WritePicture(server.LocalPath("/pics/photo.jpg"), 20, 10));
    ftpDialogs.fileAnswers.push_back("/pics/photo.jpg");
    InsertImageFromFtp(session);
    EXPECT_NE(Images().find("<IMG SRC='../pics/photo.jpg'"), std::string::npos);

    // Gone from the server, the picture fetched before still serves.
    std::filesystem::remove(server.LocalPath("/pics/photo.jpg"));
    ftpDialogs.fileAnswers.push_back("/pics/photo.jpg");
    InsertImageFromFtp(session);
    EXPECT_EQ(session.Design().ImageCount(), 3);
    EXPECT_EQ(session.Design().Image(3).Width, 20);
    // The first picture is the page's canvas; the others become image maps, said each time.
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>(2,
                                       "This page has a canvas already and a page holds one: "
                                       "the picture is inserted as an image map."));

    InsertImageFromFtp(session);  // the chooser cancelled: nothing happens
    EXPECT_EQ(session.Design().ImageCount(), 3);
}

}  // namespace
}  // namespace htmlsim::testing
