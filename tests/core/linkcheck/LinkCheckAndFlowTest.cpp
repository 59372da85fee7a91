#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "DesignBuilder.h"
#include "FakePictures.h"
#include "FakeTextMeasurer.h"
#include "LinkSimulation.h"
#include "PageDocument.h"
#include "TempFolder.h"
#include "linkcheck/FlowGraphDot.h"
#include "linkcheck/FlowLayout.h"
#include "linkcheck/LinkCheck.h"
#include "linkcheck/PageLinks.h"
#include "model/PageDesign.h"
#include "util/WholeFile.h"

namespace htmlsim::testing {
namespace {

// Page 0 links to pages 1 to 5; page 5 to page 6, which also links back to page 0; page 7 is
// reached by nothing.
TEST(FlowLayout, RowsByClicksFromTheStartWideLayersWrappedUnreachedLast) {
    FlowGraph graph;
    graph.pages.resize(8);
    for (size_t page = 1; page <= 5; ++page) {
        graph.links.push_back({0, page, "left"});
    }
    graph.links.push_back({5, 6, "left"});
    graph.links.push_back({6, 0, "right"});
    const std::vector<FlowPlace> places = LayOutFlowGraph(graph, 3);
    // {row, column, pages in the row} of each page
    const int expected[8][3] = {{0, 0, 1}, {1, 0, 3}, {1, 1, 3}, {1, 2, 3},
                                {2, 0, 2}, {2, 1, 2}, {3, 0, 1}, {4, 0, 1}};
    for (size_t page = 0; page < 8; ++page) {
        const auto [row, column, rowSize] = expected[page];
        EXPECT_EQ(std::tuple(places[page].row, places[page].column, places[page].rowSize),
                  std::tuple(row, column, rowSize))
            << page;
    }
}

class LinkCheckTest : public ::testing::Test {
  protected:
    LinkReport Check(const std::string& start) {
        for (const char* page : {"start", "next", "dead", "orphan"}) {
            pictures.Add(folder.File(std::string(page) + ".png"), 400, 300);
        }
        return CheckLinks(folder.File(start), {pictures, &measurer});
    }

    TempFolder folder;
    FakePictures pictures;
    FakeTextMeasurer measurer;
};

// What the check finds and that it writes nothing are pinned by the cases of tests/corpus/check;
// here the pictures it finds.
TEST_F(LinkCheckTest, EachPageHasThePictureBesideIt) {
    WriteFlawedSimulation(folder.Path());
    EXPECT_EQ(Check("start.html").graph.pages[0].picturePath, folder.File("start.png"));
}

TEST_F(LinkCheckTest, ALinkLoopingThroughASymbolicLinkIsWalkedOnce) {
    std::filesystem::create_directory_symlink(folder.Path(), folder.Path() / "loop");
    WriteWholeFileAtomically(
        folder.File("self.html"),
        DesignDocument("<IMG SRC='start.png' Name='M' Width='400' Height='300' "
                       "STYLE='position:absolute; left:0px; top:0px' UseMap='#M'/>\r\n"
                       "<map name='M'>\r\n<AREA SHAPE='rect' COORDS='1,1,5,5' Title='Me' "
                       "HREF='loop/self.html'/> \r\n</map>\r\n"));
    const LinkReport report = Check("self.html");
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(report.graph.pages.size(), 1u);
}

TEST(FlowGraphDot, WritesNodesArrowsAndProblemColours) {
    LinkReport report;
    report.graph.pages = {{"/s/a.html", "a.html", "", FlowPageState::Walked},
                          {"/s/b \"x\".html", "b \"x\".html", "", FlowPageState::Missing},
                          {"/s/c.html", "c.html", "", FlowPageState::Orphan}};
    report.graph.links = {{0, 1, "left"}, {0, 0, "right"}};
    report.problems = {{"c.html", "", LinkProblemKind::Orphan, "No page links to this page."}};
    EXPECT_EQ(FlowGraphDot(report), TestDataFile("surface/flow.dot"));
}

TEST(CollectPageLinks, AreSomeClickableAreasAndTheLinkedImagesAlone) {
    PageDesign design;
    AddImage(design, kImagePlain, "./a.png", {}).HREF = "kept-from-another-type.htm";
    AddImage(design, kImageHyperlink, "./b.png", {}).HREF = "next.htm";
    AddArea(design, 1, {0, 0, 40, 30}).LinkAddress = "page2.htm";
    AddArea(design, 1, {0, 0, 40, 30}, kAreaBalloon);
    std::vector<std::string> found;
    for (const PageLink& link : CollectPageLinks(design, nullptr)) {
        found.push_back(link.element + " " + link.address + " " + link.clickType);
    }
    EXPECT_EQ(found, (std::vector<std::string>{"Area1 page2.htm left", "Image2 next.htm left"}));
}

}  // namespace
}  // namespace htmlsim::testing
