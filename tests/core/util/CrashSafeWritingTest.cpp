#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>
#include <thread>

#include "FakeDialogs.h"
#include "FakePictures.h"
#include "FakeSurface.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "TempFolder.h"
#include "components/TableFile.h"
#include "session/Session.h"
#include "simulation/SimulationWalk.h"
#include "util/WholeFile.h"

namespace htmlsim::testing {
namespace {

using Clock = std::chrono::steady_clock;

// Runs `write` in a child process and kills it after the given time (never, when none is given);
// answers how long the child lived.
Clock::duration KillWhileWriting(const std::function<void()>& write,
                                 std::optional<Clock::duration> after) {
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        write();
        _exit(0);
    }
    if (after) {
        std::this_thread::sleep_for(*after);
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return Clock::now() - start;
}

// Kills writers at two dozen points spread over a whole write: the file is always the old bytes or
// the new ones, whole, and some kills came before and some after the write took effect.
void ExpectOldOrNewWhatever(const std::string& path, const std::string& before,
                            const std::string& after, const std::function<void()>& write) {
    WriteFileBytes(path, before);
    const Clock::duration whole = KillWhileWriting(write, std::nullopt);
    ASSERT_EQ(ReadFileBytes(path), after);
    int sawBefore = 0;
    int sawAfter = 0;
    const auto killAt = [&](Clock::duration when) {
        WriteFileBytes(path, before);
        KillWhileWriting(write, when);
        const std::string found = ReadFileBytes(path);
        ASSERT_TRUE(found == before || found == after) << "kill after " << when.count();
        (found == before ? sawBefore : sawAfter) += 1;
    };
    for (int k = 0; k < 24; ++k) {
        killAt(whole * k / 18);
    }
    // A busy machine can make a write slower than the one measured: later kills then reach
    // the end too.
    for (Clock::duration when = whole * 2; sawAfter == 0 && when < whole * 64; when *= 2) {
        killAt(when);
    }
    EXPECT_GT(sawBefore, 0);
    EXPECT_GT(sawAfter, 0);
}

TEST(CrashSafeWriting, AKilledSaveLeavesTheOldDocumentOrTheNewOneWhole) {
    TempFolder folder;
    FakeDialogs dialogs;
    const std::string page = folder.File("page.html");
    const std::string before = std::string(2 << 20, 'o') + "\r\n";
    const std::string text(2 << 20, 'n');
    WriteFileBytes(page, before);
    Session session(dialogs, folder.File("program"));
    session.Start(page);
    session.SetDocumentText(text);
    ExpectOldOrNewWhatever(page, before, text + "\r\n", [&] { session.SaveDocument(); });
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(CrashSafeWriting, AKilledTableWriteLeavesTheOldTableOrTheNewOneWhole) {
    TempFolder folder;
    TableDefinition table;
    table.name = "Snippets";
    table.fields = {{"ID", FieldType::Integer, 0}, {"Code", FieldType::String, 0}};
    std::vector<TableRow> rows;
    for (int k = 0; k < 10000; ++k) {
        rows.push_back({std::to_string(k), std::string(200, 'c')});
    }
    WriteTableRows(folder.Path(), table, rows);
    const std::string path = table.DataFile(folder.Path()).string();
    const std::string after = ReadFileBytes(path);
    ExpectOldOrNewWhatever(path, "1,\"old\"\r\n", after,
                           [&] { WriteTableRows(folder.Path(), table, rows); });
}

TEST(CrashSafeWriting, AKilledWalkLeavesTheOldScriptOrTheNewOneWhole) {
    TempFolder folder;
    FakeDialogs dialogs;
    FakeSurface surface;
    FakePictures pictures;
    pictures.Add(folder.File("shot.jpg"), 400, 300);
    // A chain of pages, each linking to the next, so that the walk takes a while.
    for (int k = 0; k < 150; ++k) {
        WriteFileBytes(
            folder.File("p" + std::to_string(k) + ".html"),
            DesignDocument(
                MapImage("shot.jpg", "Map", 0, 0,
                         {{"10,10,50,50", k < 149 ? "p" + std::to_string(k + 1) + ".html" : ""}})));
    }
    Session session(dialogs, folder.File("program"));
    session.AttachDesignServices(surface, pictures);
    session.Start(folder.File("p0.html"));
    const auto walk = [&] {
        NoSimulationProgress progress;
        SimulationWalk(session, progress).RecordSimulation();
    };
    walk();
    const std::string script = ReadFileBytes(folder.File("Sim.js"));
    ASSERT_NE(script.find("p149"), std::string::npos);
    ExpectOldOrNewWhatever(folder.File("Sim.js"), "older script", script, walk);
}

}  // namespace
}  // namespace htmlsim::testing
