#include <gtest/gtest.h>

#include <filesystem>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "record/Recapture.h"
#include "record/Recording.h"

namespace htmlsim::testing {
namespace {

// Counts the seconds waited and what the user was shown meanwhile; the screen "grabbed" is a
// file naming the region asked for and the seconds waited before the grab.
class FakeScreen : public CountdownClock, public ScreenCapture {
  public:
    void WaitOneSecond() override { ++secondsWaited; }
    RecordedPicture Grab(const std::optional<CaptureRegion>& region) override {
        const std::string label = (region ? CaptureRegionText(*region) : "whole screen") +
                                  " after " + std::to_string(secondsWaited) + "s";
        return {10, 10, [label](const std::string& path) { WriteFileBytes(path, label); }};
    }

    int secondsWaited = 0;
    std::vector<int> shown;
};

class RecaptureTest : public ::testing::Test {
  protected:
    bool Recapture(const std::string& picture = "page.png") {
        return RecapturePicture(Page(), mFolder.File(picture), mDialogs, mScreen, mScreen,
                                [this](int left) { mScreen.shown.push_back(left); });
    }
    std::string Page() { return mFolder.File("page.html"); }
    std::string Picture() { return ReadFileBytes(mFolder.Path() / "page.png"); }

    TempFolder mFolder;
    FakeDialogs mDialogs;
    FakeScreen mScreen;
};

TEST_F(RecaptureTest, ARecordedPageIsTakenAgainFromItsRegionAfterTheCountdown) {
    // The recording writes the region beside each page; the page itself is not touched again.
    Recording recording(mFolder.Path().string(), "rec", mDialogs);
    recording.SetRegion({5, 6, 320, 200});
    recording.Press({320, 200, [](const std::string& path) { WriteFileBytes(path, "old"); }},
                    {100, 50, false, std::nullopt});
    const std::string page = recording.PagePath(1);
    const std::string before = ReadFileBytes(page);
    EXPECT_EQ(ReadFileBytes(mFolder.Path() / "rec001.region"), "5,6,320,200\n");

    EXPECT_TRUE(RecapturePicture(page, mFolder.File("rec001.png"), mDialogs, mScreen, mScreen,
                                 [this](int left) { mScreen.shown.push_back(left); }));
    EXPECT_EQ(ReadFileBytes(mFolder.Path() / "rec001.png"), "5,6,320,200 after 3s");
    EXPECT_EQ(mScreen.shown, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(ReadFileBytes(page), before);
    EXPECT_TRUE(mDialogs.asked.empty());
}

TEST_F(RecaptureTest, APageWithoutARegionAsksForTheWholeScreenOrARegionItKeeps) {
    WriteFileBytes(Page(), "<html/>");
    WriteFileBytes(mFolder.Path() / "page.png", "old");
    mDialogs.yesNoAnswers = {true};
    EXPECT_TRUE(Recapture());
    EXPECT_EQ(Picture(), "whole screen after 3s");
    EXPECT_FALSE(std::filesystem::exists(mFolder.Path() / "page.region"));

    mDialogs.yesNoAnswers = {false};
    mDialogs.inputAnswers = {"10,20,300,150"};
    EXPECT_TRUE(Recapture());
    EXPECT_EQ(ReadFileBytes(mFolder.Path() / "page.region"), "10,20,300,150\n");
    EXPECT_EQ(mDialogs.asked.size(), 3u);
    // The region given is the page's from now on: nothing is asked the next time.
    EXPECT_TRUE(Recapture());
    EXPECT_EQ(Picture(), "10,20,300,150 after 9s");
    EXPECT_EQ(mDialogs.asked.size(), 3u);
}

TEST_F(RecaptureTest, CancelledBadOrUnsuitableAnswersReplaceNothing) {
    WriteFileBytes(Page(), "<html/>");
    WriteFileBytes(mFolder.Path() / "page.png", "old");
    WriteFileBytes(mFolder.Path() / "page.region", "not a region");  // asked as if none
    mDialogs.yesNoAnswers = {false, false};
    mDialogs.inputAnswers = {"", "10,20,0,150"};
    EXPECT_FALSE(Recapture());
    EXPECT_FALSE(Recapture());
    EXPECT_FALSE(Recapture("page.jpg"));
    EXPECT_FALSE(RecapturePicture(Page(), "", mDialogs, mScreen, mScreen, [](int) {}));

    EXPECT_EQ(Picture(), "old");
    EXPECT_EQ(ReadFileBytes(mFolder.Path() / "page.region"), "not a region");
    EXPECT_EQ(mScreen.secondsWaited, 0);
    EXPECT_EQ(
        mDialogs.MessageTexts(),
        (std::vector<std::string>{
            "'10,20,0,150' is not a region: give X,Y,Width,Height, for example 0,0,800,600.",
            "Only a PNG picture can be re-captured; '" + mFolder.File("page.jpg") + "' is not one.",
            "The page has no picture to re-capture."}));
}

}  // namespace
}  // namespace htmlsim::testing
