#include <gtest/gtest.h>

#include <filesystem>
#include <set>
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
        for (const char* picture : {"shot1.jpg", "shot2.jpg"}) {
            pictures.Add(File(picture), 400, 300);
        }
    }

    void WritePage(const std::string& name, const std::string& images,
                   const std::string& canvasTop = "") {
        std::filesystem::create_directories(std::filesystem::path(File(name)).parent_path());
        Write(name, DesignDocument(images, canvasTop));
    }

    bool Run() {
        dialogs.messages.clear();
        return SimulationWalk(session, progress).RecordSimulation();
    }

    FakeSurface surface;
    FakePictures pictures;
    RecordingProgress progress;
};

TEST_F(SimulationWalkTest, WritesEveryPageReachedWithItsAreasAndTargets) {
    WritePage("index.html",
              MapImage("shot1.jpg", "Map1", 100, 50,
                       {{"10,20,110,70", "two.html"},
                        {"20,30,30,40", "javascript:history.back()"},
                        {"30,30,40,40", "JavaScript:History.Back()"},
                        {"40,30,50,40", ""}}) +
                  MapImage("shot2.jpg", "Map2", 600, 0, {{"0,0,10,10", "hidden.html"}}));
    WritePage("two.html",
              "<canvas id='C' SRC='shot2.jpg' width='400' Height='300' "
              "style='left:0px; top:0px'></canvas>\r\n",
              "Areas.push('1,2,11,12,three.html,right');\r\n"
              "Areas.push('20,20,40,40,sub/four.html,left');\r\n"
              "Areas.push('50,50,60,60,index.html,left');\r\n");
    WritePage("sub/four.html",
              MapImage("../shot1.jpg", "Map1", 0, 0, {{"0,0,5,5", "../index.html"}}));
    session.Start(File("index.html"));
    const int imports = view.imports;

    EXPECT_TRUE(Run());
    EXPECT_EQ(Read("Sim.js"),
              "function buildSimulation(){\r\n"
              "  Areas.push(\"110, 70, 210, 120, two.html, left, 2\");\r\n"
              "  Areas.push(\"120, 80, 130, 90, javascript:history.back(), left, -1\");\r\n"
              "  Areas.push(\"130, 80, 140, 90, JavaScript:History.Back(), left, -1\");\r\n"
              "  Areas.push(\"140, 80, 150, 90, , left, 0\");\r\n"
              "  walk.push(new page(1, \"index\", \"shot1.jpg\", Areas));\r\n"
              "  Areas.push(\"1, 2, 11, 12, three.html, right, 3\");\r\n"
              "  Areas.push(\"20, 20, 40, 40, sub/four.html, left, 0\");\r\n"
              "  Areas.push(\"50, 50, 60, 60, index.html, left, 1\");\r\n"
              "  walk.push(new page(2, \"two\", \"shot2.jpg\", Areas));\r\n"
              "  walk.push(new page(3, \"three\", \"\", Areas));\r\n"
              "  Areas.push(\"0, 0, 5, 5, ../index.html, left, 0\");\r\n"
              "  walk.push(new page(4, \"four\", \"../shot1.jpg\", Areas));\r\n"
              "}\r\n");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Sim.js has been created."});
    // The missing page was made from the template; the second image's link and the back links
    // were not followed.
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names, (std::set<std::string>{"index.html", "two.html", "three.html", "sub", "Sim.js",
                                            "program", "MyStyle.css", "HTMLSimulation.js"}));
    EXPECT_EQ(progress.pages.back(), (std::pair<int, std::string>{3, File("sub/four.html")}));
    EXPECT_EQ(progress.ends, 1);

    // Back on the starting page, shown once; the window saw none of the pages walked.
    EXPECT_EQ(session.PathAndName(), File("index.html"));
    EXPECT_EQ(view.imports - imports, 1);
    EXPECT_EQ(surface.paints.size(), 2u);
}

// Links with a folder part never match a recorded file name: the walk still opens each full
// path once, and resolves every link from the page it is on.
TEST_F(SimulationWalkTest, ACycleThroughAFolderEndsAndMissingPagesAreCreated) {
    WritePage("a.html",
              MapImage("shot1.jpg", "Map1", 0, 0,
                       {{"0,0,1,1", "sub/b.html"}, {"1,1,2,2", "c.html"}, {"2,2,3,3", "d.html"}}));
    WritePage("sub/b.html", MapImage("../shot2.jpg", "Map1", 0, 0,
                                     {{"0,0,1,1", "../a.html"},
                                      {"1,1,2,2", "./b.html"},
                                      {"2,2,3,3", "../sub/b.html"}}));
    session.Start(File("a.html"));
    EXPECT_TRUE(Run());
    EXPECT_EQ(Read("Sim.js"),
              "function buildSimulation(){\r\n"
              "  Areas.push(\"0, 0, 1, 1, sub/b.html, left, 0\");\r\n"
              "  Areas.push(\"1, 1, 2, 2, c.html, left, 3\");\r\n"
              "  Areas.push(\"2, 2, 3, 3, d.html, left, 4\");\r\n"
              "  walk.push(new page(1, \"a\", \"shot1.jpg\", Areas));\r\n"
              "  Areas.push(\"0, 0, 1, 1, ../a.html, left, 0\");\r\n"
              "  Areas.push(\"1, 1, 2, 2, ./b.html, left, 2\");\r\n"
              "  Areas.push(\"2, 2, 3, 3, ../sub/b.html, left, 0\");\r\n"
              "  walk.push(new page(2, \"b\", \"../shot2.jpg\", Areas));\r\n"
              "  walk.push(new page(3, \"c\", \"\", Areas));\r\n"
              "  walk.push(new page(4, \"d\", \"\", Areas));\r\n"
              "}\r\n");
    EXPECT_TRUE(FileHelper::FileExists(File("d.html")));
    EXPECT_FALSE(FileHelper::FileExists(File("sub/c.html")));
}

// Links with a scheme and links within the page lead to no page of the simulation: listed, never
// opened. A page is one page however the link spells its file.
TEST_F(SimulationWalkTest, OnlyLinksToPagesAreFollowedAndAPageHasOneName) {
    WritePage("start.html", MapImage("shot1.jpg", "Map1", 0, 0,
                                     {{"0,0,1,1", "#"},
                                      {"1,1,2,2", "#top"},
                                      {"2,2,3,3", "javascript:void(0)"},
                                      {"3,3,4,4", "mailto:ann@example.org"},
                                      {"4,4,5,5", "http://example.org/"},
                                      {"5,5,6,6", "next.html#part"}}));
    WritePage("next.html", MapImage("shot2.jpg", "Map1", 0, 0,
                                    {{"0,0,1,1", "./start.html"}, {"1,1,2,2", "start.html"}}));
    session.Start(File("start.html"));
    EXPECT_TRUE(Run());
    EXPECT_EQ(Read("Sim.js"),
              "function buildSimulation(){\r\n"
              "  Areas.push(\"0, 0, 1, 1, #, left, 0\");\r\n"
              "  Areas.push(\"1, 1, 2, 2, #top, left, 0\");\r\n"
              "  Areas.push(\"2, 2, 3, 3, javascript:void(0), left, 0\");\r\n"
              "  Areas.push(\"3, 3, 4, 4, mailto:ann@example.org, left, 0\");\r\n"
              "  Areas.push(\"4, 4, 5, 5, http://example.org/, left, 0\");\r\n"
              "  Areas.push(\"5, 5, 6, 6, next.html#part, left, 2\");\r\n"
              "  walk.push(new page(1, \"start\", \"shot1.jpg\", Areas));\r\n"
              "  Areas.push(\"0, 0, 1, 1, ./start.html, left, 1\");\r\n"
              "  Areas.push(\"1, 1, 2, 2, start.html, left, 1\");\r\n"
              "  walk.push(new page(2, \"next\", \"shot2.jpg\", Areas));\r\n"
              "}\r\n");
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names, (std::set<std::string>{"start.html", "next.html", "Sim.js", "program"}));
}

TEST_F(SimulationWalkTest, ALinkThatCannotBeOpenedStopsTheWalkAndKeepsTheOlderScript) {
    WritePage("a.html",
              MapImage("shot1.jpg", "Map1", 0, 0, {{"0,0,1,1", "b.html"}, {"1,1,2,2", "d.html"}}));
    WritePage("b.html", MapImage("shot2.jpg", "Map1", 0, 0, {{"0,0,1,1", "none/x.html"}}));
    Write("Sim.js", "older");
    session.Start(File("a.html"));

    EXPECT_FALSE(Run());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "The link 'none/x.html' cannot be opened: there is no folder '" + File("none/") +
                  "'. Sim.js has not been created.");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(Read("Sim.js"), "older");
    EXPECT_EQ(session.PathAndName(), File("a.html"));

    // A page that cannot be read: here a folder of that name.
    WritePage("b.html", MapImage("shot2.jpg", "Map1", 0, 0, {}));
    std::filesystem::create_directory(File("d.html"));
    EXPECT_FALSE(Run());
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"The link 'd.html' cannot be opened: Cannot read '" +
                                       File("d.html") +
                                       "': Is a directory. Sim.js has not been created."});
    EXPECT_EQ(Read("Sim.js"), "older");
}

// The walk reads pages from their files, so the open document's changes are saved first, and
// a document that was never saved is not walked.
TEST_F(SimulationWalkTest, TheStartingDocumentIsSavedFirst) {
    session.Start(folder.Path().string());
    EXPECT_FALSE(Run());
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"Save the document before creating Sim.js."});
    EXPECT_FALSE(FileHelper::FileExists(File("Sim.js")));

    WritePage("a.html", "");
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
