#include <gtest/gtest.h>

#include <QImage>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "../Pictures.h"
#include "FakeDialogs.h"
#include "ScopedVariable.h"
#include "ScriptedEditor.h"
#include "TempFolder.h"
#include "document/SectionDocument.h"
#include "frmHTMLImage.h"
#include "recovery/RecoveryWatch.h"
#include "recovery/frmRecoverWork.h"

namespace htmlsim::gui::testing {
namespace {

using htmlsim::testing::FakeDialogs;
using htmlsim::testing::ReadFileBytes;
using htmlsim::testing::TempFolder;
using htmlsim::testing::WriteFileBytes;

const std::filesystem::path kPages =
    std::filesystem::path(HTMLSIM_SOURCE_DIR) / "tests/data/recovery";

// The page with the named sections' bodies left out: what must stay byte for byte.
std::string WithoutBodies(std::string page, const std::vector<std::string>& names) {
    FakeDialogs dialogs;
    for (const auto& name : names) {
        ReplaceSectionBody(page, name, "", dialogs);
    }
    return page;
}

// Each test has its own recovery folder, shared by the editors it starts and kills.
class RecoveryAfterCrash : public ::testing::Test {
  protected:
    ~RecoveryAfterCrash() override {
        for (auto& editor : editors) {
            editor->kill();
            editor->waitForFinished();
        }
    }

    std::string RecoveryFolderPath() const { return folder.File("data/htmlsim/recovery"); }
    long Copies() const {
        return std::ranges::count_if(
            std::filesystem::directory_iterator(RecoveryFolderPath()),
            [](const auto& entry) { return entry.path().extension() == ".html"; });
    }

    // Starts a scripted editor on the file or folder, typing the text into "Main Body 1", and
    // waits for its recovery copy.
    QProcess& StartEditor(const std::string& name, const QString& text, const QString& draw = "") {
        editors.push_back(std::make_unique<QProcess>());
        QProcess& editor = *editors.back();
        editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        editor.start(QCoreApplication::applicationFilePath(),
                     {kScriptedEditorOption, QString::fromStdString(folder.File(name)),
                      "Main Body 1", text, draw});
        while (!editor.canReadLine() && editor.waitForReadyRead(60'000)) {
        }
        EXPECT_EQ(editor.readLine().trimmed(), "ready");
        return editor;
    }
    static void Crash(QProcess& editor) {
        ASSERT_EQ(editor.state(), QProcess::Running);
        editor.kill();  // SIGKILL: nothing of the editor runs after it
        EXPECT_TRUE(editor.waitForFinished(30'000));
        EXPECT_EQ(editor.exitStatus(), QProcess::CrashExit);
    }

    // A new editor in this process, started with an empty command line.
    std::unique_ptr<frmHTMLImage> StartWindow() {
        auto window = std::make_unique<frmHTMLImage>(dialogs, folder.File("program"), nullptr,
                                                     [this] { return now; });
        window->Start("");
        return window;
    }
    static void Click(frmHTMLImage& window, const char* button) {
        ASSERT_NE(window.Recovery().Offer(), nullptr);
        QTest::mouseClick(window.Recovery().Offer()->findChild<QPushButton*>(button),
                          Qt::LeftButton);
    }
    static QString OfferedRow(frmHTMLImage& window) {
        frmRecoverWork* offer = window.Recovery().Offer();
        if (offer == nullptr) {
            return "(nothing offered)";
        }
        EXPECT_EQ(offer->windowTitle(), "Recover unsaved work");
        EXPECT_EQ(offer->tblCopies()->rowCount(), 1);
        return offer->RowText(0);
    }

    TempFolder folder;
    const htmlsim::testing::ScopedVariable dataHome{"XDG_DATA_HOME", folder.File("data").c_str()};
    FakeDialogs dialogs;
    double now = 5000;
    std::vector<std::unique_ptr<QProcess>> editors;
};

TEST_F(RecoveryAfterCrash, DrawingAndTypingKilledMidWayAreOfferedAndSavedWhereTheyBelong) {
    const std::string original = ReadFileBytes(kPages / "map-page.html");
    WriteFileBytes(folder.File("login.html"), original);
    ASSERT_TRUE(htmlsim::testing::WritePicture(folder.File("shot.png"), 200, 150));

    Crash(StartEditor("login.html", "<P>Typed before the crash</P>", "draw"));
    ASSERT_EQ(Copies(), 1);
    EXPECT_EQ(ReadFileBytes(folder.File("login.html")), original);

    auto window = StartWindow();
    const QString row = OfferedRow(*window);
    EXPECT_TRUE(row.startsWith(QString::fromStdString(folder.File("login.html")) + " | "))
        << row.toStdString();
    EXPECT_TRUE(row.contains(" | +2 \u22120 | ")) << row.toStdString();

    Click(*window, "cmdShowDifference");
    auto* difference = window->Recovery().Offer()->findChild<QDialog*>("frmRecoveryDifference");
    ASSERT_NE(difference, nullptr);
    EXPECT_TRUE(difference->findChild<QPlainTextEdit*>("txtCopy")->toPlainText().contains(
        "<P>Typed before the crash</P>"));
    EXPECT_FALSE(difference->findChild<QPlainTextEdit*>("txtFile")->toPlainText().contains(
        "Typed before the crash"));
    difference->close();

    Click(*window, "cmdOpen");
    EXPECT_EQ(window->Recovery().Offer(), nullptr);
    EXPECT_EQ(window->GetSession().PathAndName(), folder.File("login.html"));
    EXPECT_EQ(ReadFileBytes(folder.File("login.html")), original);
    window->MenuItem("mnuFileSave")->trigger();

    const std::string saved = ReadFileBytes(folder.File("login.html"));
    EXPECT_EQ(WithoutBodies(saved, {"Images", "Main Body 1"}),
              WithoutBodies(original, {"Images", "Main Body 1"}));
    EXPECT_EQ(GetSectionText(saved, "Main Body 1"),
              "<P>Welcome</P>\r\n<P>Typed before the crash</P>");
    const std::string images = GetSectionText(saved, "Images");
    EXPECT_EQ(images.rfind(GetSectionText(original, "Images").substr(0, 40), 0), 0u) << images;
    EXPECT_NE(images.find("<AREA SHAPE='rect' COORDS='50,50,120,90'"), std::string::npos) << images;
    window->close();
    EXPECT_EQ(Copies(), 0);
}

TEST_F(RecoveryAfterCrash, AWindows1252PageIsNotOfferedWhileItsEditorRunsAndKeepsItsBytes) {
    const std::string original = ReadFileBytes(kPages / "windows-1252.html");
    WriteFileBytes(folder.File("cafe.html"), original);
    QProcess& editor = StartEditor("cafe.html", "<P>Crème brûlée</P>");
    EXPECT_EQ(OfferedRow(*StartWindow()), "(nothing offered)");

    Crash(editor);
    // Someone changes the file before the next start: the offer says so.
    WriteFileBytes(folder.File("cafe.html"), original + "<!-- touched -->\r\n");
    auto window = StartWindow();
    EXPECT_TRUE(OfferedRow(*window).endsWith("The file has changed since this copy was made."))
        << OfferedRow(*window).toStdString();
    Click(*window, "cmdOpen");
    window->MenuItem("mnuFileSave")->trigger();

    const std::string saved = ReadFileBytes(folder.File("cafe.html"));
    EXPECT_EQ(GetSectionText(saved, "Main Body 1"),
              "<P>Men\xFC</P>\r\n<P>Cr\xE8me br\xFBl\xE9"
              "e</P>");
    EXPECT_EQ(WithoutBodies(saved, {"Main Body 1"}), WithoutBodies(original, {"Main Body 1"}));
}

TEST_F(RecoveryAfterCrash, ANewDocumentPutOffIsOfferedAgainAndSavedUnderAName) {
    std::filesystem::create_directories(folder.File("site"));
    Crash(StartEditor("site", "<P>Never saved</P>"));
    {
        auto window = StartWindow();
        EXPECT_TRUE(OfferedRow(*window).startsWith("New document in " +
                                                   QString::fromStdString(folder.File("site/"))))
            << OfferedRow(*window).toStdString();
        Click(*window, "cmdLater");
        EXPECT_EQ(window->Recovery().Offer(), nullptr);
    }
    ASSERT_EQ(Copies(), 1);

    auto window = StartWindow();
    Click(*window, "cmdOpen");
    dialogs.fileAnswers.push_back(folder.File("site/first.html"));
    window->MenuItem("mnuFileSave")->trigger();
    EXPECT_EQ(dialogs.asked.back().kind, "save");
    EXPECT_NE(ReadFileBytes(folder.File("site/first.html")).find("<P>Never saved</P>"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.File("site/MyStyle.css")));
}

TEST_F(RecoveryAfterCrash, DiscardingANewDocumentAtCloseRemovesItsCopy) {
    auto window = StartWindow();
    window->SSTab1()->setCurrentIndex(kDocumentEditorTab);
    QTest::keyClicks(window->txtDocument(), "typed");
    QApplication::processEvents();
    now += 2;
    window->Recovery().WriteIfDue();
    ASSERT_EQ(Copies(), 1);
    // Discard at the close question leaves the document unsaved.
    dialogs.saveChoiceAnswers.push_back(SaveChoice::Discard);
    window->close();
    EXPECT_EQ(dialogs.asked.back().kind, "savechanges");
    EXPECT_TRUE(std::filesystem::is_empty(RecoveryFolderPath()));
}

}  // namespace
}  // namespace htmlsim::gui::testing
