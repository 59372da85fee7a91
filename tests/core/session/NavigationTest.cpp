#include <gtest/gtest.h>

#include <filesystem>

#include "SessionTestSupport.h"
#include "document/DocumentTemplate.h"
#include "session/Navigation.h"

namespace htmlsim::testing {
namespace {

// Pages a.html to d.html in one folder, a.html open.
class NavigationTest : public SessionTest {
  protected:
    NavigationTest() : navigation(session) {
        for (const char* name : {"a", "b", "c", "d"}) {
            Write(std::string(name) + ".html", std::string("<HTML>") + name + "</HTML>\r\n");
        }
        session.Start(File("a.html"));
    }

    std::string Current() const { return session.PathAndName().substr(session.PathOnly().size()); }
    std::string Entry(int offset) const {
        const auto& history = session.History();
        const size_t index = session.HistoryIndex() + offset;
        return index < history.size() ? history[index] : "";
    }

    Navigation navigation;
};

TEST_F(NavigationTest, AMissingPageIsCreatedFromTheTemplateSavedAndRecorded) {
    session.SetDocumentText("<HTML>a changed</HTML>");
    navigation.FollowLink("Map1_Area_1.html");
    EXPECT_EQ(Read("a.html"), "<HTML>a changed</HTML>\r\n");  // saved before leaving
    EXPECT_EQ(Read("Map1_Area_1.html"), NewDocumentTemplate());
    EXPECT_EQ(Entry(-1), File("a.html"));
    EXPECT_EQ(view.captions.back(), File("Map1_Area_1.html"));
    EXPECT_EQ(view.busyDepth, 0);

    // An empty link only saves.
    session.SetDocumentText("<HTML>new changed</HTML>");
    navigation.FollowLink("");
    EXPECT_EQ(Read("Map1_Area_1.html"), "<HTML>new changed</HTML>\r\n");
    EXPECT_EQ(session.HistoryIndex(), 2);
}

TEST_F(NavigationTest, ANewLinkAfterGoingBackKeepsTheEntryBeyondForForward) {
    navigation.FollowLink("b.html");
    navigation.FollowLink("c.html");
    navigation.FollowLink("d.html");
    navigation.Back();
    session.SetDocumentText("<HTML>c changed</HTML>");
    navigation.FollowLink("JavaScript:History.Back()");  // the back link in any case, saving
    EXPECT_EQ(Read("c.html"), "<HTML>c changed</HTML>\r\n");
    EXPECT_EQ(Current(), "b.html");
    navigation.FollowLink("new.html");
    EXPECT_EQ(Entry(1), File("d.html"));
    navigation.Forward();
    EXPECT_EQ(Current(), "d.html");
    // At the end of the history Forward does nothing; at the start Back does nothing.
    navigation.Forward();
    EXPECT_EQ(Current(), "d.html");
    for (int i = 0; i < 5; ++i) {
        navigation.Back();
    }
    EXPECT_EQ(Current(), "a.html");
    EXPECT_EQ(session.HistoryIndex(), 1);
}

TEST_F(NavigationTest, ForwardSavesButDoesNothingWhenTheNextPageIsGone) {
    navigation.FollowLink("b.html");
    navigation.Back();
    session.SetDocumentText("<HTML>a changed</HTML>");
    std::filesystem::remove(File("b.html"));
    navigation.Forward();
    EXPECT_EQ(Current(), "a.html");
    EXPECT_EQ(Read("a.html"), "<HTML>a</HTML>\r\n");

    Write("b.html", "<HTML>b again</HTML>\r\n");
    navigation.Forward();
    EXPECT_EQ(Read("a.html"), "<HTML>a changed</HTML>\r\n");
    EXPECT_EQ(session.DocumentText(), "<HTML>b again</HTML>\r\n");
}

TEST_F(NavigationTest, LinksFromTheDocumentFolderAreResolved) {
    std::filesystem::create_directories(File("sub"));
    Write("sub/e.html", "<HTML>e</HTML>\r\n");
    navigation.FollowLink("./sub/e.html");
    navigation.FollowLink("../b.html");
    EXPECT_EQ(session.DocumentText(), "<HTML>b</HTML>\r\n");
}

TEST_F(NavigationTest, LinksThatNameNoPageCreateNoFile) {
    navigation.FollowLink("");  // saves, writing the support files
    const auto filesBefore = std::distance(std::filesystem::directory_iterator(File("")), {});
    for (const char* link : {"#", "#top", "http://example.com/help.html", "mailto:help@example.com",
                             "javascript:void(0)"}) {
        navigation.FollowLink(link);
        EXPECT_EQ(Current(), "a.html") << link;
    }
    // The page's own parts say nothing; the links that leave say so.
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0].text,
              "The link 'http://example.com/help.html' leads outside the simulation.");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(File("")), {}), filesBefore);

    // A page's own part is the page.
    navigation.FollowLink("./b.html#part");
    EXPECT_EQ(Current(), "b.html");
    EXPECT_EQ(session.HistoryIndex(), 2);
}

// A window that follows another link while the first one's page is being shown.
class ImpatientView : public FakeSessionView {
  public:
    Navigation* navigation = nullptr;
    Session* session = nullptr;
    bool loadingSeen = false;

    void DesignRebuilt() override {
        FakeSessionView::DesignRebuilt();
        if (navigation && navigation->Following()) {
            loadingSeen = session->LoadingSection();
            navigation->FollowLink("c.html");
        }
    }
};

TEST_F(NavigationTest, ALinkIsIgnoredWhileAnotherIsFollowed) {
    ImpatientView impatient;
    impatient.navigation = &navigation;
    impatient.session = &session;
    session.SetView(&impatient);
    navigation.FollowLink("b.html");
    EXPECT_TRUE(impatient.loadingSeen);
    EXPECT_EQ(Current(), "b.html");
    navigation.FollowLink("c.html");
    EXPECT_EQ(Current(), "c.html");
}

}  // namespace
}  // namespace htmlsim::testing
