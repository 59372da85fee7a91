#include <gtest/gtest.h>

#include <filesystem>

#include "../session/SessionTestSupport.h"
#include "FakePictures.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "publish/PublishSession.h"

namespace htmlsim::testing {
namespace {

class PublishSessionTest : public SessionTest {
  protected:
    PublishSessionTest() {
        Write("shot.png", "png");
        pictures.Add(File("shot.png"), 400, 300);
    }

    FakePictures pictures;
    const PublishRequest toOut{.startPath = "", .outFolder = File("out"), .settings = {}};
};

TEST_F(PublishSessionTest, TheOpenPageIsSavedFirstAndTheUserToldWhereItWent) {
    Write("a.html", DesignDocument(""));
    session.Start(File("a.html"));
    session.SetDocumentText(DesignDocument(MapImage("shot.png", "Map1", 0, 0, {})));
    dialogs.messages.clear();
    EXPECT_TRUE(PublishOpenDocument(session, toOut, pictures));
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"The simulation has been published "
                                                               "to '" +
                                                               File("out") + "'."});
    EXPECT_FALSE(session.ChangedSinceSaved());
    EXPECT_TRUE(std::filesystem::exists(File("out/shot.png")));

    // Preview in Browser publishes into the session's temporary folder.
    const std::string preview = PublishPreview(session, pictures);
    EXPECT_TRUE(preview.ends_with("/Published/index.html")) << preview;
    EXPECT_TRUE(std::filesystem::exists(preview));
}

TEST_F(PublishSessionTest, ADocumentNeverSavedIsNotPublishedWhenSaveAsIsCancelled) {
    session.Start(folder.Path().string());
    session.SetDocumentText(DesignDocument(MapImage("shot.png", "Map1", 0, 0, {})));
    EXPECT_FALSE(PublishOpenDocument(session, toOut, pictures));
    EXPECT_EQ(PublishPreview(session, pictures), "");
    EXPECT_FALSE(std::filesystem::exists(File("out")));
    EXPECT_TRUE(dialogs.messages.empty());
}

// What a publish writes, or refuses with which message, is pinned by the corpus's publish
// cases; here only what the command line cannot show.
TEST_F(PublishSessionTest, ARefusalIsShownWithAnExclamationMark) {
    Write("a.html", DesignDocument(MapImage("shot.png", "Map1", 0, 0, {{"0,0,9,9", "gone.html"}})));
    session.Start(File("a.html"));
    dialogs.messages.clear();
    EXPECT_FALSE(PublishOpenDocument(session, toOut, pictures));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace htmlsim::testing
