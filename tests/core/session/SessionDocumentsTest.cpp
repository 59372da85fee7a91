#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "ScopedVariable.h"
#include "SessionTestSupport.h"
#include "document/DocumentTemplate.h"
#include "session/RecentFiles.h"
#include "session/TemporaryFolder.h"

namespace htmlsim::testing {
namespace {

using Documents = SessionTest;

TEST_F(Documents, StartsOnTheQuotedDocumentTheCommandLineNames) {
    Write("page.html", "<HTML>mine</HTML>\r\n");
    session.Start("\"" + File("page.html") + "\"");
    EXPECT_EQ(session.DocumentText(), "<HTML>mine</HTML>\r\n");
    EXPECT_EQ(view.captions.back(), File("page.html"));
}

TEST_F(Documents, AMissingCommandLineDocumentShowsTheTemplateAndKeepsItsNameForSaving) {
    session.Start(File("later.html"));
    EXPECT_EQ(session.DocumentText(), NewDocumentTemplate());
    EXPECT_EQ(session.PathAndName(), File("later.html"));
    EXPECT_FALSE(std::filesystem::exists(File("later.html")));
    session.SaveCommand();  // no file yet: Save As, proposing the name
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].request.fileName, "later.html");
}

TEST_F(Documents, OpeningAMissingFileCreatesItWithItsSupportFiles) {
    session.OpenDocument(File("new.html"));
    EXPECT_EQ(Read("new.html"), NewDocumentTemplate());
    EXPECT_EQ(Read("MyStyle.css"), StyleSheetText());
    EXPECT_EQ(Read("HTMLSimulation.js"), ScriptText());
    EXPECT_FALSE(session.ChangedSinceSaved());
}

TEST_F(Documents, OpeningTheSameFileTwiceAddsOneHistoryEntry) {
    Write("a.html", "a");
    Write("b.html", "b");
    session.OpenDocument(File("a.html"));
    session.OpenDocument(File("a.html"));
    session.OpenDocument(File("b.html"));
    EXPECT_EQ(session.HistoryIndex(), 2);
    EXPECT_EQ(session.History()[1], File("a.html"));
}

// A socket is a file nobody can open, root included (open(2) gives ENXIO): the read failure
// that permissions cannot give a test running as root.
void BindSocketAt(const std::string& path) {
    const int socketFile = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(socketFile, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(::bind(socketFile, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(socketFile);
}

TEST_F(Documents, AnUnreadableFileLeavesTheOpenDocumentAsItWas) {
    Write("a.html", "a");
    BindSocketAt(File("locked.html"));
    session.OpenDocument(File("a.html"));
    EXPECT_FALSE(session.OpenDocument(File("locked.html")));
    EXPECT_EQ(session.DocumentText(), "a");
    EXPECT_EQ(session.PathAndName(), File("a.html"));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(Documents, SavingWritesOneFinalLineBreakAndTheSupportFilesOnlyWhenMissing) {
    session.OpenDocument(File("page.html"));
    session.SetDocumentText("  <HTML>\r\n</HTML> \r\n \r\n\r\n  ");
    Write("HTMLSimulation.js", "// edited by hand");
    std::filesystem::remove(File("MyStyle.css"));
    ASSERT_TRUE(session.SaveDocument());
    EXPECT_EQ(Read("page.html"), "<HTML>\r\n</HTML>\r\n");
    EXPECT_EQ(Read("HTMLSimulation.js"), "// edited by hand");
    EXPECT_EQ(Read("MyStyle.css"), StyleSheetText());
    EXPECT_FALSE(session.ChangedSinceSaved());
}

TEST_F(Documents, AFailedSaveShowsWhyAndReportsIt) {
    std::filesystem::create_directory(File("taken.html"));
    session.SetPathAndName(File("taken.html"));
    session.SetDocumentText("text");
    EXPECT_FALSE(session.SaveDocument());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("taken.html"), std::string::npos);
    EXPECT_TRUE(session.ChangedSinceSaved());

    // On closing, the user is asked before the work is left behind.
    dialogs.yesNoAnswers = {false, true};
    EXPECT_FALSE(session.PrepareToClose());
    EXPECT_TRUE(session.PrepareToClose());
    EXPECT_EQ(dialogs.messages.size(), 3u);
}

TEST_F(Documents, SaveAsPreselectsTheFilterOfTheExtension) {
    for (const auto& [extension, index] : std::vector<std::pair<std::string, int>>{
             {"TXT", 3}, {"php", 5}, {"*", 1}, {"jpg", 0}, {"", 0}}) {
        EXPECT_EQ(FilterIndexForExtension(kDocumentFilter, extension), index) << extension;
    }

    session.SetPathAndName(File("notes.txt"));
    dialogs.fileAnswers = {File("saved.html")};
    ASSERT_TRUE(session.SaveAsCommand());
    EXPECT_EQ(dialogs.asked.at(0).request.filterIndex, 3);
    EXPECT_EQ(dialogs.asked.at(0).request.fileName, "notes.txt");
    EXPECT_TRUE(std::filesystem::exists(File("saved.html")));

    session.SaveAsCommand();
    EXPECT_EQ(dialogs.asked.at(1).request.filterIndex, 0);
}

TEST_F(Documents, NewAsksForTheWorkingFolder) {
    session.Start("");
    session.SetDocumentText("changed");
    dialogs.folderAnswers = {""};
    session.NewLocalDocument();
    EXPECT_EQ(session.DocumentText(), "changed");

    dialogs.folderAnswers = {folder.Path().string(), folder.Path().string()};
    dialogs.saveChoiceAnswers = {SaveChoice::Cancel, SaveChoice::Discard};
    session.NewLocalDocument();  // the unsaved change is kept
    EXPECT_EQ(dialogs.asked.back().prompt, "Save changes to the new document?");
    EXPECT_EQ(session.DocumentText(), "changed");
    session.NewLocalDocument();
    EXPECT_EQ(session.DocumentText(), NewDocumentTemplate());
    session.SaveCommand();  // no file name yet
    EXPECT_EQ(dialogs.asked.back().request.initialFolder, folder.Path().string() + "/");
    EXPECT_EQ(dialogs.asked.back().request.fileName, "");
}

TEST_F(Documents, ClosingKeepsTheWork) {
    session.Start("");
    EXPECT_TRUE(session.PrepareToClose());
    EXPECT_TRUE(dialogs.asked.empty());

    // Nothing reports a save that did not happen.
    session.SetDocumentText("<HTML>typed</HTML>");
    EXPECT_FALSE(session.SaveAsCommand());  // the chooser was cancelled
    EXPECT_FALSE(session.SaveDocument());   // no file name to write to
    EXPECT_TRUE(session.ChangedSinceSaved());

    // A document never saved: Save, Discard or Cancel; Save offers Save As, and cancelling that
    // cancels the close.
    dialogs.saveChoiceAnswers = {SaveChoice::Cancel, SaveChoice::Save, SaveChoice::Discard,
                                 SaveChoice::Save};
    EXPECT_FALSE(session.PrepareToClose());
    EXPECT_FALSE(session.PrepareToClose());
    EXPECT_TRUE(session.PrepareToClose());
    EXPECT_EQ(session.DocumentText(), "<HTML>typed</HTML>");
    dialogs.fileAnswers = {File("kept.html")};
    EXPECT_TRUE(session.PrepareToClose());
    EXPECT_EQ(Read("kept.html"), "<HTML>typed</HTML>\r\n");
    std::vector<std::string> kinds;
    for (const auto& question : dialogs.asked) {
        kinds.push_back(question.kind);
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"save", "savechanges", "savechanges", "save",
                                               "savechanges", "savechanges", "save"}));

    // One with a file is saved silently.
    session.SetDocumentText("<HTML>more</HTML>");
    EXPECT_TRUE(session.PrepareToClose());
    EXPECT_EQ(Read("kept.html"), "<HTML>more</HTML>\r\n");
    EXPECT_EQ(dialogs.asked.size(), kinds.size());
}

TEST(TemporaryFolder, IsBesideTheProgramOrInTheUserCache) {
    TempFolder folder;
    EXPECT_EQ(PrepareTemporaryFolder(folder.Path().string()), folder.File("Temp"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("Temp")));

    WriteFileBytes(folder.File("file"), "not a folder");
    const ScopedVariable cache("XDG_CACHE_HOME", folder.File("cache").c_str());
    EXPECT_EQ(PrepareTemporaryFolder(folder.File("file")), folder.File("cache/htmlsim/Temp"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("cache/htmlsim/Temp")));
}

TEST(RecentFiles, KeepsTenNewestFirstWithoutRepeats) {
    std::vector<std::string> recent;
    for (int k = 0; k < 12; ++k) {
        recent = WithRecentFile(recent, "/p" + std::to_string(k));
    }
    recent = WithRecentFile(recent, "/p5");
    ASSERT_EQ(recent.size(), 10u);
    EXPECT_EQ(recent[0], "/p5");
    EXPECT_EQ(recent[1], "/p11");
    EXPECT_EQ(std::count(recent.begin(), recent.end(), "/p5"), 1);
}

}  // namespace
}  // namespace htmlsim::testing
