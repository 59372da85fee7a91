#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTabWidget>

#include "FakeDialogs.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "Pictures.h"
#include "TempFolder.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

using testing::FakeDialogs;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

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
