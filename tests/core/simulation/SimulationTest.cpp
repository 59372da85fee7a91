#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "../session/SessionTestSupport.h"
#include "FakePictures.h"
#include "FakeSurface.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "components/FileHelper.h"
#include "simulation/SimulationWalk.h"

namespace htmlsim::testing {
namespace {

class RecordingProgress : public SimulationProgress {
  public:
    std::vector<std::pair<int, std::string>> pages;
    int ends = 0;

    void ReadingPage(int pagesVisited, const std::string& path) override {
        pages.emplace_back(pagesVisited, path);
    }
    void WalkEnded() override { ++ends; }
};

class SimulationWalkTest : public SessionTest {
  protected:
    SimulationWalkTest() {
        session.AttachDesignServices(surface, pictures);
        for (const char* picture : {"shot1.png", "shot2.png", "a.png", "shot1.jpg"}) {
            pictures.Add(File(picture), 400, 300);
        }
    }

    // Copies the case tests/corpus/simjs/`name` (pictures shot1.png, shot2.png or a.png) here and
    // opens its start.html.
    void StartOnCase(const std::string& name) {
        std::filesystem::copy(std::string(HTMLSIM_TEST_DATA) + "/../corpus/simjs/" + name,
                              folder.Path(), std::filesystem::copy_options::recursive);
        session.Start(File("start.html"));
    }

    bool Run() {
        dialogs.messages.clear();
        return SimulationWalk(session, progress).RecordSimulation();
    }

    FakeSurface surface;
    FakePictures pictures;
    RecordingProgress progress;
};

// What the walk writes, area edges to overflows, is pinned by the corpus (tests/corpus/simjs);
// here what only the session shows: the progress reported, and the window back on the starting
// page.
TEST_F(SimulationWalkTest, ReportsEachPageAndEndsOnTheStartingPage) {
    StartOnCase("every-page-reached");
    const int imports = view.imports;

    EXPECT_TRUE(Run());
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Sim.js has been created."});
    EXPECT_EQ(progress.pages.back(), (std::pair<int, std::string>{3, File("sub/four.html")}));
    EXPECT_EQ(progress.ends, 1);
    // Back on the starting page, shown once; the window saw none of the pages walked.
    EXPECT_EQ(session.PathAndName(), File("start.html"));
    EXPECT_EQ(view.imports - imports, 1);
    EXPECT_EQ(surface.paints.size(), 2u);
}

TEST_F(SimulationWalkTest, ALinkThatCannotBeOpenedStopsTheWalkAndKeepsTheOlderScript) {
    Write("Sim.js", "older");
    StartOnCase("link-into-a-missing-folder");

    EXPECT_FALSE(Run());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "The link 'x/b.html' cannot be opened: there is no folder '" + File("x/") +
                  "'. Sim.js has not been created.");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(Read("Sim.js"), "older");
    EXPECT_EQ(session.PathAndName(), File("start.html"));
}

// The walk reads pages from their files, so the open document's changes are saved first, and
// a document that was never saved is not walked.
TEST_F(SimulationWalkTest, TheStartingDocumentIsSavedFirst) {
    session.Start(folder.Path().string());
    EXPECT_FALSE(Run());
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"Save the document before creating Sim.js."});
    EXPECT_FALSE(FileHelper::FileExists(File("Sim.js")));

    Write("a.html", DesignDocument(""));
    session.Start(File("a.html"));
    session.SetDocumentText(
        DesignDocument(MapImage("shot1.jpg", "Map1", 0, 0, {{"0,0,1,1", "a.html"}})));
    EXPECT_TRUE(Run());
    EXPECT_EQ(Read("Sim.js"),
              "function buildSimulation(){\r\n"
              "  Areas.push(\"0, 0, 1, 1, a.html, left, 1\");\r\n"
              "  walk.push(new page(1, \"a\", \"shot1.jpg\", Areas));\r\n"
              "}\r\n");
    EXPECT_FALSE(session.ChangedSinceSaved());
}

}  // namespace
}  // namespace htmlsim::testing
