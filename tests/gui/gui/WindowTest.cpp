#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QProgressDialog>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "../EditorWindow.h"
#include "../OverlappingPage.h"
#include "../Pictures.h"
#include "DesignSurface.h"
#include "FakeDialogs.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "TempFolder.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

using testing::DesignDocument;
using testing::FakeDialogs;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// The pallet and container in the container's and the surface's own coordinates.
struct Shown {
    QRect container;
    QRect pallet;
};

Shown ShownAt(DesignSurface& surface, int horizontal, int vertical) {
    surface.HScroll1()->setValue(horizontal);
    surface.VScroll1()->setValue(vertical);
    return {surface.pctContainer()->geometry(), surface.pctPallet()->geometry()};
}

// The sizes come from the core's layout; here the bars must move the widgets and follow the
// window.
TEST(DesignSurface, ScrollBarsRunFromTheNearEdgesToTheFarEdgesAndFollowTheWindow) {
    DesignSurface surface;
    surface.resize(800, 600);
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    const Shown start = ShownAt(surface, 0, 0);
    EXPECT_EQ(start.pallet.topLeft(), QPoint(0, 0));

    const Shown end = ShownAt(surface, 100, 100);
    EXPECT_EQ(end.pallet.right(), end.container.width() - 1);
    EXPECT_EQ(end.pallet.bottom(), end.container.height() - 1);
    surface.ScrollHome();
    EXPECT_EQ(surface.pctPallet()->pos(), QPoint(0, 0));

    surface.resize(900, 700);
    const Shown large = ShownAt(surface, 100, 100);
    EXPECT_GT(large.container.width(), end.container.width());
    EXPECT_EQ(large.pallet.right(), large.container.width() - 1);
    surface.resize(5, 5);
    const Shown none = ShownAt(surface, 50, 50);
    EXPECT_EQ(none.container.size(), QSize(0, 0));
    EXPECT_EQ(none.pallet.size(), QSize(0, 0));
}

using testing::EditorWindow;

class ImageDesignTab : public EditorWindow {
  protected:
    QImage Shown() const { return window.DesignTab()->pctPallet()->grab().toImage(); }
};

TEST_F(ImageDesignTab, ShowsTheOpenedPageAndFollowsEditsOfItsText) {
    const std::string page = testing::WriteOverlappingPage(folder);
    window.Start(page);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
    EXPECT_EQ(window.SSTab1()->currentIndex(), kImageDesignTab);
    testing::ExpectOverlappingPage(Shown());
    EXPECT_EQ(window.DesignTab()->Canvas().Outlines().size(), 2u);

    // Without the green image the red one shows where they overlapped.
    window.SSTab1()->setCurrentIndex(kDocumentEditorTab);
    std::string text = Document();
    const size_t green = text.find("<IMG SRC='green.png'");
    ASSERT_NE(green, std::string::npos);
    text.erase(green, text.find("\r\n", green) + 2 - green);
    window.GetSession().SetDocumentText(text);
    window.SSTab1()->setCurrentIndex(kImageDesignTab);
    EXPECT_EQ(Shown().pixel(99, 79), qRgb(255, 0, 0));
    EXPECT_EQ(Shown().pixel(110, 60), qRgb(255, 255, 255));
    EXPECT_EQ(window.DesignTab()->Canvas().Outlines().size(), 2u);
}

TEST_F(ImageDesignTab, OpeningAnotherPageClearsTheSurfaceAndScrollsHome) {
    window.Start(testing::WriteOverlappingPage(folder));
    window.DesignTab()->HScroll1()->setValue(100);
    window.DesignTab()->VScroll1()->setValue(60);
    ASSERT_NE(window.DesignTab()->pctPallet()->pos(), QPoint(0, 0));

    WriteFileBytes(folder.File("empty.html"), "<HTML>\r\n</HTML>\r\n");
    window.GetSession().OpenDocument(folder.File("empty.html"));
    window.SSTab1()->setCurrentIndex(kImageDesignTab);
    EXPECT_EQ(window.DesignTab()->pctPallet()->pos(), QPoint(0, 0));
    EXPECT_EQ(Shown().pixel(5, 5), qRgb(255, 255, 255));
    for (const auto& [index, outline] : window.DesignTab()->Canvas().Outlines()) {
        EXPECT_FALSE(outline.visible) << index;
    }
}

TEST(RecentFiles, DocumentsOpenedAndSavedAreOfferedAgainAcrossWindows) {
    QSettings().remove("recentFiles");
    TempFolder folder;
    FakeDialogs dialogs;
    WriteFileBytes(folder.File("a.html"), "<HTML>a</HTML>\r\n");
    WriteFileBytes(folder.File("b.html"), "<HTML>b</HTML>\r\n");
    {
        frmHTMLImage window(dialogs, folder.File("program"));
        window.Start(folder.File("a.html"));
        window.GetSession().OpenDocument(folder.File("b.html"));
    }
    frmHTMLImage window(dialogs, folder.File("program"));
    window.Start("");
    QMenu* menu = window.MenuItem("mnuRecentFiles")->menu();
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_TRUE(menu->actions()[0]->text().endsWith("b.html"));
    menu->actions()[1]->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.GetSession().PathAndName(), folder.File("a.html"));
    EXPECT_EQ(window.GetSession().DocumentText(), "<HTML>a</HTML>\r\n");

    std::filesystem::remove(folder.File("b.html"));
    window.GetSession().OpenRecentDocument(folder.File("b.html"));
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"File Does Not Exist: '" + folder.File("b.html") + "'"});
}

// The dialogs of a window whose progress dialog is looked at whenever a message is shown.
class ProgressWatchingDialogs : public FakeDialogs {
  public:
    QWidget* window = nullptr;
    bool progressShownAtMessage = true;

    void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
        const auto* progress = window->findChild<QProgressDialog*>("dlgSimulationProgress");
        progressShownAtMessage = progress != nullptr && progress->isVisible();
        FakeDialogs::Message(text, title, icon);
    }
};

TEST(CreateSimJs, TheToolsMenuWalksThePagesAndComesBackToTheStartingPage) {
    TempFolder folder;
    ProgressWatchingDialogs dialogs;
    frmHTMLImage window(dialogs, folder.File("program"));
    dialogs.window = &window;
    window.show();
    ASSERT_TRUE(testing::WritePicture(folder.File("a.jpg"), 40, 30));
    WriteFileBytes(folder.File("a.html"), DesignDocument(testing::MapImage(
                                              "a.jpg", "Map1", 0, 0, {{"0,0,9,9", "b.html"}})));
    window.Start(folder.File("a.html"));
    dialogs.messages.clear();

    QAction* item = window.MenuItem("mnuToolsRecordSimulation");
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Sim.js has been created."});
    EXPECT_FALSE(dialogs.progressShownAtMessage);
    EXPECT_EQ(window.statusBar()->currentMessage().toStdString(),
              "Created '" + folder.File("Sim.js") + "'");
    // The script's bytes are checked on the core's walk and by the CLI.
    EXPECT_NE(ReadFileBytes(folder.File("Sim.js")).find("b.html"), std::string::npos);
    EXPECT_EQ(window.windowTitle().toStdString(), folder.File("a.html"));
    EXPECT_EQ(window.GetSession().Design().Areas.Count(), 1u);
    EXPECT_EQ(window.SSTab1()->currentIndex(), kImageDesignTab);
}

}  // namespace
}  // namespace htmlsim::gui
