#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "../EditorWindow.h"
#include "../Pictures.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "ScopedVariable.h"
#include "publish/dlgPublish.h"

namespace htmlsim::gui {
namespace {

using testing::FakeDialogs;
using testing::ReadFileBytes;
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

class PublishWindow : public testing::EditorWindow {
  protected:
    // Started detached, a recording launcher writes in its own time: waits for what it wrote.
    static bool Recorded(const std::string& file, const std::string& expected) {
        return QTest::qWaitFor(
            [&] { return std::filesystem::exists(file) && ReadFileBytes(file) == expected; },
            20000);
    }
};

TEST_F(PublishWindow, PreviewPublishedSavesThePageAndOpensAFreshPlayer) {
    ASSERT_TRUE(testing::WritePicture(folder.File("a.jpg"), 40, 30));
    Open("a.html", testing::DesignDocument(
                       testing::MapImage("a.jpg", "Map1", 0, 0, {{"0,0,9,9", "a.html"}})));
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
    EXPECT_NE(ReadFileBytes(published / "simulation.json").find("history.back()"),
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

// The browser is a recording launcher: it writes the one argument it got ("%s" stands for the
// page, or it comes last) into a file.
TEST_F(PublishWindow, PreviewInBrowserSavesThePageAndSaysWhenTheBrowserDidNotStart) {
    Open("my page.html", testing::DesignDocument(""));
    const std::string page = folder.File("my page.html");
    const std::string edited = testing::DesignDocument("<!-- edited -->\r\n");
    window.GetSession().SetDocumentText(edited);
    dialogs.messages.clear();
    QAction* preview = window.MenuItem("mnuPreviewInBrowser");
    const std::string recorded = folder.File("recorded.txt");
    {
        const testing::ScopedVariable recorder("BROWSER",
                                               ("sh -c \"echo $0 > " + recorded + "\"").c_str());
        preview->trigger();
    }
    EXPECT_EQ(ReadFileBytes(page), edited);  // saved before the browser started
    ASSERT_TRUE(Recorded(recorded, page + "\n"));
    EXPECT_FALSE(window.GetSession().ChangedSinceSaved());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;

    {
        const testing::ScopedVariable missing("BROWSER", "/nonexistent/browser --new-window");
        preview->trigger();
    }
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{
                  "No web browser could be started for '" + page +
                  "'. Name one in the BROWSER variable (for example BROWSER=chromium) or choose "
                  "a default web browser in the desktop's settings."});

    // A browser that starts is not reported.
    const std::string opened = folder.File("opened.txt");
    {
        const testing::ScopedVariable named("BROWSER",
                                            ("sh -c \"echo $0 > " + opened + "\" %s").c_str());
        preview->trigger();
    }
    EXPECT_EQ(dialogs.messages.size(), 1u);
    ASSERT_TRUE(Recorded(opened, page + "\n"));
}

}  // namespace
}  // namespace htmlsim::gui

#include "PublishCommandsTest.moc"
