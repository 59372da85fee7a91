#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QProgressDialog>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "../Pictures.h"
#include "DesignSurface.h"
#include "FakeDialogs.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "TempFolder.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

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
    WriteFileBytes(folder.File("a.html"), testing::DesignDocument(testing::MapImage(
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
