#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "../Pictures.h"
#include "FakeDialogs.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "ScopedVariable.h"
#include "TempFolder.h"
#include "frmHTMLImage.h"
#include "publish/dlgPublish.h"

namespace htmlsim::gui {
namespace {

using testing::FakeDialogs;
using testing::TempFolder;
using testing::WriteFileBytes;

// Takes the place of the desktop's browser for file addresses.
class OpenedUrls : public QObject {
    Q_OBJECT

  public:
    OpenedUrls() { QDesktopServices::setUrlHandler("file", this, "Open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler("file"); }
    std::vector<std::string> paths;

    Q_INVOKABLE void Open(const QUrl& url) { paths.push_back(url.toLocalFile().toStdString()); }
};

TEST(PublishCommands, TheDialogAsksForTheFolderAndASCORMPackageIsAlwaysZipped) {
    FakeDialogs dialogs;
    dialogs.folderAnswers.push_back("/tmp/out");
    dlgPublish dialog(nullptr, dialogs, "/tmp/site/", "login");
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    dialog.findChild<QPushButton*>("cmdBrowse")->click();
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialogs.asked.at(0).title, "Publish to");

    auto* zip = dialog.findChild<QCheckBox*>("chkZip");
    dialog.findChild<QComboBox*>("cboScorm")->setCurrentIndex(2);
    EXPECT_TRUE(zip->isChecked());
    EXPECT_FALSE(zip->isEnabled());
    const PublishRequest request = dialog.Request();
    EXPECT_EQ(request.outFolder, "/tmp/out");
    EXPECT_EQ(request.scorm, ScormVersion::Scorm2004);
    EXPECT_TRUE(request.zip);
    EXPECT_EQ(request.settings.title, "login");
    EXPECT_EQ(request.settings.passPercent, 80);
}

TEST(PublishCommands, PreviewPublishedSavesThePageAndOpensAFreshPlayer) {
    TempFolder folder;
    FakeDialogs dialogs;
    frmHTMLImage window(dialogs, folder.File("program"));
    ASSERT_TRUE(testing::WritePicture(folder.File("a.jpg"), 40, 30));
    WriteFileBytes(folder.File("a.html"), testing::DesignDocument(testing::MapImage(
                                              "a.jpg", "Map1", 0, 0, {{"0,0,9,9", "a.html"}})));
    window.Start(folder.File("a.html"));
    window.GetSession().SetDocumentText(testing::DesignDocument(
        testing::MapImage("a.jpg", "Map1", 0, 0, {{"0,0,9,9", "javascript:history.back()"}})));
    dialogs.messages.clear();
    const testing::ScopedVariable desktopDefault("BROWSER", nullptr);
    OpenedUrls browser;

    QAction* item = window.MenuItem("mnuToolsPreviewPublished");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F6));
    item->trigger();
    ASSERT_EQ(browser.paths.size(), 1u) << ::testing::PrintToString(dialogs.MessageTexts());
    const std::filesystem::path published = std::filesystem::path(browser.paths[0]).parent_path();
    EXPECT_EQ(published,
              std::filesystem::path(window.GetSession().TemporaryFolder()) / "Published");
    EXPECT_TRUE(std::filesystem::exists(published / "a.jpg"));
    EXPECT_NE(testing::ReadFileBytes(published / "simulation.json").find("history.back()"),
              std::string::npos);
    EXPECT_FALSE(window.GetSession().ChangedSinceSaved());

    // Each preview starts from an empty folder.
    WriteFileBytes(published / "stale.txt", "old");
    item->trigger();
    EXPECT_FALSE(std::filesystem::exists(published / "stale.txt"));
    EXPECT_EQ(browser.paths.size(), 2u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_NE(window.MenuItem("mnuFilePublish"), nullptr);
}

TEST(PublishCommands, PreviewInBrowserSaysWhenTheBrowserDidNotStartAndHowToChooseOne) {
    TempFolder folder;
    FakeDialogs dialogs;
    frmHTMLImage window(dialogs, folder.File("program"));
    WriteFileBytes(folder.File("a.html"), testing::DesignDocument(""));
    window.Start(folder.File("a.html"));
    dialogs.messages.clear();
    QAction* preview = window.MenuItem("mnuPreviewInBrowser");
    {
        const testing::ScopedVariable missing("BROWSER", "/nonexistent/browser --new-window");
        preview->trigger();
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "No web browser could be started for '" + folder.File("a.html") +
                  "'. Name one in the BROWSER variable (for example BROWSER=chromium) or choose "
                  "a default web browser in the desktop's settings.");

    // A browser that starts is not reported; "%s" stands for the page.
    const std::string opened = folder.File("opened.txt");
    const std::string command = "sh -c \"echo $0 > " + opened + "\" %s";
    {
        const testing::ScopedVariable named("BROWSER", command.c_str());
        preview->trigger();
    }
    EXPECT_EQ(dialogs.messages.size(), 1u);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return std::filesystem::exists(opened) &&
                   testing::ReadFileBytes(opened) == folder.File("a.html") + "\n";
        },
        20000));
}

}  // namespace
}  // namespace htmlsim::gui

#include "PublishCommandsTest.moc"

namespace htmlsim::gui {
namespace {

// The browser is a recording launcher: it writes the one argument it got into a file.
TEST(PublishCommands, PreviewInBrowserSavesTheEditedPageAndHandsTheBrowserItsPath) {
    TempFolder folder;
    FakeDialogs dialogs;
    frmHTMLImage window(dialogs, folder.File("program"));
    const std::string page = folder.File("my page.html");
    WriteFileBytes(page, testing::DesignDocument(""));
    window.Start(page);
    const std::string edited = testing::DesignDocument("<!-- edited -->\r\n");
    window.GetSession().SetDocumentText(edited);
    const std::string recorded = folder.File("recorded.txt");
    {
        const testing::ScopedVariable recorder("BROWSER",
                                               ("sh -c \"echo $0 > " + recorded + "\"").c_str());
        window.MenuItem("mnuPreviewInBrowser")->trigger();
    }
    EXPECT_EQ(testing::ReadFileBytes(page), edited);  // saved before the browser started
    // Started detached, it writes in its own time: the test waits for what it wrote.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return std::filesystem::exists(recorded) &&
                   testing::ReadFileBytes(recorded) == page + "\n";
        },
        20000));
    EXPECT_FALSE(window.GetSession().ChangedSinceSaved());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
}

}  // namespace
}  // namespace htmlsim::gui
