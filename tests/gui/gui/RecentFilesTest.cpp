#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>
#include <QSettings>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "frmHTMLImage.h"

namespace htmlsim::gui {
namespace {

TEST(RecentFiles, DocumentsOpenedAndSavedAreOfferedAgainAcrossWindows) {
    QSettings().remove("recentFiles");
    testing::TempFolder folder;
    testing::FakeDialogs dialogs;
    testing::WriteFileBytes(folder.File("a.html"), "<HTML>a</HTML>\r\n");
    testing::WriteFileBytes(folder.File("b.html"), "<HTML>b</HTML>\r\n");
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

}  // namespace
}  // namespace htmlsim::gui
