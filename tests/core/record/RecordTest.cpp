#include <gtest/gtest.h>

#include <filesystem>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "document/SectionDocument.h"
#include "record/Recapture.h"
#include "record/Recording.h"
#include "util/RuntimeError.h"

namespace htmlsim::testing {
namespace {

namespace fs = std::filesystem;

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

// A screen of 320 x 200 whose "PNG" names the screen, so a test sees which one was saved where.
RecordedPicture Screen(const std::string& label) {
    return {320, 200, [label](const std::string& path) { WriteFileBytes(path, label); }};
}

RecordedPress Press(int x, int y, bool right = false) {
    return {x, y, right, std::nullopt};
}

// Each test starts from a page without a region whose picture is "old".
class RecaptureTest : public ::testing::Test {
  protected:
    RecaptureTest() {
        WriteFileBytes(mFolder.File("page.html"), "<html/>");
        WriteFileBytes(mFolder.Path() / "page.png", "old");
    }
    bool Recapture(const std::string& picture = "page.png", const std::string& page = "page.html") {
        return RecapturePicture(mFolder.File(page), mFolder.File(picture), mDialogs, mScreen,
                                mScreen, [this](int left) { mScreen.shown.push_back(left); });
    }
    std::string Picture() { return ReadFileBytes(mFolder.Path() / "page.png"); }

    TempFolder mFolder;
    FakeDialogs mDialogs;
    FakeScreen mScreen;
};

TEST_F(RecaptureTest, ARecordedPageIsTakenAgainFromItsRegionAfterTheCountdown) {
    // The recording writes the region beside each page; the page itself is not touched again.
    Recording recording(mFolder.Path().string(), "rec", mDialogs);
    recording.SetRegion({5, 6, 320, 200});
    recording.Press(Screen("old"), Press(100, 50));
    const std::string page = recording.PagePath(1);
    const std::string before = ReadFileBytes(page);
    EXPECT_EQ(ReadFileBytes(mFolder.Path() / "rec001.region"), "5,6,320,200\n");

    EXPECT_TRUE(Recapture("rec001.png", "rec001.html"));
    EXPECT_EQ(ReadFileBytes(mFolder.Path() / "rec001.png"), "5,6,320,200 after 3s");
    EXPECT_EQ(mScreen.shown, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(ReadFileBytes(page), before);
    EXPECT_TRUE(mDialogs.asked.empty());
}

TEST_F(RecaptureTest, APageWithoutARegionAsksForTheWholeScreenOrARegionItKeeps) {
    mDialogs.yesNoAnswers = {true};
    EXPECT_TRUE(Recapture());
    EXPECT_EQ(Picture(), "whole screen after 3s");
    EXPECT_FALSE(fs::exists(mFolder.Path() / "page.region"));

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
    WriteFileBytes(mFolder.Path() / "page.region", "not a region");  // asked as if none
    mDialogs.yesNoAnswers = {false, false};
    mDialogs.inputAnswers = {"", "10,20,0,150"};
    EXPECT_FALSE(Recapture());
    EXPECT_FALSE(Recapture());
    EXPECT_FALSE(Recapture("page.jpg"));
    EXPECT_FALSE(
        RecapturePicture(mFolder.File("page.html"), "", mDialogs, mScreen, mScreen, [](int) {}));

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

RecordedPress PressOn(const AccessibleControl& control, bool right = false) {
    return {control.bounds.Left + 1, control.bounds.Top + 1, right, control};
}

class RecordingTest : public ::testing::Test {
  protected:
    std::string Page(int number) { return ReadFileBytes(mRecording.PagePath(number)); }
    std::string Section(int number, const std::string& name) {
        return GetSectionText(Page(number), name);
    }
    // Every file of the data folder `name` is as the recording wrote it, and each file of its
    // sections/ folder, named <page>.<section>, is that section of that page.
    void ExpectWrittenAsIn(const std::string& name, size_t files) {
        const fs::path expected = fs::path(HTMLSIM_TEST_DATA) / name;
        size_t compared = 0;
        for (const auto& entry : fs::recursive_directory_iterator(expected)) {
            const fs::path file = entry.path().lexically_relative(expected);
            if (entry.is_directory() || file == "README.md") {
                continue;
            }
            SCOPED_TRACE(file.string());
            const std::string written =
                file.parent_path() == "sections"
                    ? GetSectionText(
                          ReadFileBytes((mFolder.Path() / file.stem()).replace_extension(".html")),
                          file.extension().string().substr(1))
                    : ReadFileBytes(mFolder.Path() / file);
            EXPECT_EQ(written, ReadFileBytes(entry.path()));
            ++compared;
        }
        EXPECT_EQ(compared, files);
    }

    TempFolder mFolder;
    FakeDialogs mDialogs;
    Recording mRecording{mFolder.Path().string(), "rec", mDialogs};
};

TEST_F(RecordingTest, EachPressBecomesAPageLinkedToTheNextWithItsButtonAndTypedText) {
    const AccessibleControl name{{10, 150, 120, 24}, "Name", true, false};
    mRecording.Press(Screen("first"), Press(100, 50));
    mRecording.Press(Screen("second"), PressOn({{200, 20, 80, 30}, "Save", false, false}, true));
    mRecording.Press(Screen("third"), PressOn(name));
    mRecording.Type("Ann<");
    mRecording.Type("x");
    mRecording.EraseTyped();
    mRecording.Type("\xC3\xA9");  // é
    mRecording.Press(Screen("fourth"), Press(200, 100));
    mRecording.Type("never clicked on");
    EXPECT_EQ(mRecording.Finish(Screen("last")), mRecording.PagePath(1));

    EXPECT_EQ(mRecording.PageCount(), 5);
    EXPECT_EQ(ReadFileBytes(mFolder.Path() / "rec001.png"), "first");
    EXPECT_EQ(ReadFileBytes(mFolder.Path() / "rec005.png"), "last");
    ExpectWrittenAsIn("recording", 9);  // its README says what each page holds
    EXPECT_EQ(Page(5).find("never clicked on"), std::string::npos);
    EXPECT_TRUE(fs::exists(mFolder.Path() / "HTMLSimulation.js"));
    EXPECT_TRUE(mDialogs.messages.empty());
}

TEST_F(RecordingTest, TextTypedIntoAPasswordFieldIsNotKept) {
    mRecording.Type("before");
    mRecording.Press(Screen("login"), PressOn({{10, 10, 100, 20}, "Password", true, true}));
    mRecording.Type("secret");
    mRecording.Press(Screen("filled"), Press(50, 50));
    mRecording.Finish(Screen("welcome"));
    EXPECT_NE(Section(1, "Balloons").find(">Type: before</div>"), std::string::npos);
    EXPECT_EQ(Section(2, "Balloons"), "");
    EXPECT_EQ(Page(2).find("secret"), std::string::npos);
}

// Every page reached is whole; the one whose picture could not be written is not there at all.
TEST_F(RecordingTest, AnInterruptedRecordingLeavesEveryFinishedPageWhole) {
    mRecording.Press(Screen("one"), Press(5, 5));
    mRecording.Press(Screen("two"), Press(6, 6));
    RecordedPicture full{320, 200,
                         [](const std::string&) { throw RuntimeError("No space left on device"); }};
    EXPECT_THROW(mRecording.Press(full, Press(7, 7)), RuntimeError);
    EXPECT_EQ(mRecording.PageCount(), 2);
    EXPECT_NE(Page(2).find("</HTML>"), std::string::npos);
    EXPECT_FALSE(fs::exists(mRecording.PagePath(3)));
    EXPECT_FALSE(fs::exists(mFolder.Path() / "Sim.js"));
}

}  // namespace
}  // namespace htmlsim::testing
