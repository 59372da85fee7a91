#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <filesystem>

#include "../Pictures.h"
#include "FakeDialogs.h"
#include "ImageSurface.h"
#include "PageDocument.h"
#include "QtPictures.h"
#include "TempFolder.h"
#include "document/SectionDocument.h"
#include "insert/ImageInsertion.h"
#include "insert/SaveJPG.h"
#include "session/Session.h"

namespace htmlsim::testing {
namespace {

// site/page.html open in a session that decodes, writes and paints real pictures; other/ is a
// folder elsewhere.
class ImageFiles : public ::testing::Test {
  protected:
    ImageFiles() : session(dialogs, folder.File("program")) {
        std::filesystem::create_directories(folder.File("site"));
        std::filesystem::create_directories(folder.File("other"));
        WriteFileBytes(folder.File("site/page.html"), DesignDocument(""));
        session.AttachDesignServices(surface, pictures);
        session.Start(folder.File("site/page.html"));
    }
    void InsertFile(const std::string& name) {
        dialogs.fileAnswers.push_back(folder.File(name));
        InsertImageFromFile(session);
    }
    std::vector<std::string> SiteFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.File("site"))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder;
    FakeDialogs dialogs;
    Session session;
    ImageSurface surface;
    QtPictures pictures;
};

TEST_F(ImageFiles, ABitmapFromElsewhereBecomesAJpegOfQuality80BesideTheDocument) {
    const QImage bitmap = Filled(40, 30, qRgb(200, 40, 40));
    ASSERT_TRUE(bitmap.save(QString::fromStdString(folder.File("other/logo.bmp"))));
    InsertFile("other/logo.bmp");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
    EXPECT_EQ(SiteFiles(), (std::vector<std::string>{"logo.jpg", "page.html"}));

    QByteArray expected;
    QBuffer buffer(&expected);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(80);
    ASSERT_TRUE(writer.write(bitmap));
    EXPECT_EQ(ReadFileBytes(folder.File("site/logo.jpg")), expected.toStdString());

    EXPECT_EQ(GetSectionText(session.DocumentText(), "Images"),
              "<canvas id='Canvas_1' SRC='logo.jpg' width='40' Height='30' "
              "style='position:absolute; left:0px; top:0px' OnMouseUp='Canvas_MouseUp(this, "
              "event)' OnMouseMove='Canvas_MouseMove(this, event)'></canvas>");
    const QColor painted = surface.RenderImage().pixel(20, 15);
    EXPECT_NEAR(painted.red(), 200, 8);
    EXPECT_NEAR(painted.green(), 40, 8);
}

TEST_F(ImageFiles, AJpegThatCannotBeWrittenIsReportedWithTheWritersErrorNumber) {
    const PicturePtr picture = PictureFromImage(Filled(4, 4, qRgb(1, 2, 3)));
    SaveJPG(pictures, dialogs, *picture, folder.File("missing/x.jpg"), kJpegQuality);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"Cannot save the image. GDI+ Error:" +
                                       std::to_string(QImageWriter::DeviceError)});
}

}  // namespace
}  // namespace htmlsim::testing
