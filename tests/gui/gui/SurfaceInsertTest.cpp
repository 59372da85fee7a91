#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <map>

#include "DesignSurface.h"
#include "FakeDialogs.h"
#include "PageDocument.h"
#include "TempFolder.h"
#include "document/SectionDocument.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

using htmlsim::testing::DesignDocument;
using htmlsim::testing::WriteFileBytes;

// The editor's window on a new document in the working folder, its menus answered by the test.
class SurfaceInsert : public ::testing::Test {
  protected:
    SurfaceInsert() : window(dialogs, folder.File("program")) {
        window.Start(folder.Path().string());
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.Menus().SetChooser([this](QMenu& menu, const QPoint&) {
            for (QAction* action : menu.actions()) {
                enabled[action->objectName()] = action->isEnabled();
            }
            return answer;
        });
    }

    QWidget* Pallet() { return window.DesignTab()->pctPallet(); }
    std::string Images() { return GetSectionText(window.GetSession().DocumentText(), "Images"); }
    void ChooseOnEmptySurface(const QString& item) {
        answer = item;
        QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(600, 400));
    }
    // What the file manager does when files are dropped on the surface.
    void Drop(const QList<QUrl>& files) {
        QMimeData data;
        data.setUrls(files);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(Pallet(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(Pallet(), &drop);
        QCoreApplication::processEvents();
    }
    QUrl Url(const std::string& name) {
        return QUrl::fromLocalFile(QString::fromStdString(folder.File(name)));
    }

    htmlsim::testing::TempFolder folder;
    htmlsim::testing::FakeDialogs dialogs;
    frmHTMLImage window;
    QString answer;
    std::map<QString, bool> enabled;
};

// The order of the questions and the refusals are the core's; here the clipboard, the menu
// and the painting are Qt's.
TEST_F(SurfaceInsert, APastedPictureIsSavedBesideTheDocumentAndPainted) {
    QImage shot(40, 30, QImage::Format_RGB32);
    shot.fill(qRgb(0, 0, 255));
    QGuiApplication::clipboard()->setImage(shot);
    dialogs.fileAnswers.push_back(folder.File("new.html"));
    dialogs.inputAnswers.push_back("shot");
    ChooseOnEmptySurface("mnuPalAddImageFromClipboard");
    EXPECT_TRUE(enabled.at("mnuPalAddImageFromClipboard"));
    EXPECT_FALSE(enabled.at("mnuFileAddImageFromFTP"));  // at(): a missing item fails
    EXPECT_TRUE(std::filesystem::exists(folder.File("shot.jpg")));
    EXPECT_EQ(Images().find("<canvas id='Canvas_1' SRC='shot.jpg' width='40' Height='30'"), 0u);
    const QColor painted = window.DesignTab()->Canvas().RenderImage().pixel(20, 15);
    EXPECT_GT(painted.blue(), 240);
}

TEST_F(SurfaceInsert, DroppedPicturesGoIntoThePageAndADroppedPageIsOpenedAfterThem) {
    std::filesystem::create_directories(folder.File("other"));
    // Qt writes no GIF files: a one-pixel GIF by hand.
    const std::string gif(
        "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04"
        "\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
        "D\x01\x00;",
        43);
    WriteFileBytes(folder.File("other/one.gif"), gif);
    WriteFileBytes(folder.File("other/two.gif"), gif);
    WriteFileBytes(folder.File("page.html"), DesignDocument(""));
    WriteFileBytes(folder.File("next.html"), DesignDocument(""));
    window.GetSession().OpenDocument(folder.File("page.html"));
    window.GetSession().SwitchTab(kImageDesignTab);

    Drop({Url("other/one.gif"), Url("other/readme.txt"), Url("other/two.gif"), Url("next.html")});
    // The first picture is the page's canvas; a page holds one.
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"This page has a canvas already and a page holds one: the "
                                       "picture is inserted as an image map."});
    EXPECT_TRUE(std::filesystem::exists(folder.File("one.gif")));
    EXPECT_NE(htmlsim::testing::ReadFileBytes(folder.File("page.html")).find("two.gif"),
              std::string::npos);
    EXPECT_EQ(window.GetSession().PathAndName(), folder.File("next.html"));
    EXPECT_EQ(window.windowTitle().toStdString(), folder.File("next.html"));
}

}  // namespace
}  // namespace htmlsim::gui
