#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record/CaptureRegion.h"
#include "record/RecordedPage.h"
#include "record/RecordedPress.h"
#include "services/Dialogs.h"

namespace htmlsim {

// Turns the presses of a recording into pages in one folder: "prefix001.html" with its
// picture "prefix001.png", and so on. Each page is written whole at its press, so an
// interrupted recording leaves every page it reached complete. Text typed between two presses
// belongs to the page of the second: its picture shows the text typed, and its learner types it
// before the click. Nothing is written outside the folder. Failures are RuntimeErrors with the
// description to show; after one, the recording is over.
class Recording {
  public:
    // Throws when the folder does not exist, the prefix is not a plain name, or the folder holds
    // a recording under that prefix already (it is never overwritten).
    Recording(std::string folder, std::string prefix, Dialogs& dialogs);

    // A press on the screen `picture`: the page of that screen, with what was typed before it.
    void Press(const RecordedPicture& picture, const RecordedPress& press);
    // Text typed, kept for the page of the next press; never what goes into a password field
    // (the control last pressed).
    void Type(std::string_view text);
    // Takes back the last character typed.
    void EraseTyped();
    // The screen at the end becomes the last page, without an area, and the walk-through script
    // "Sim.js" is written from the first page. Returns the first page's path.
    std::string Finish(const RecordedPicture& picture);

    // The part of the screen recorded: written beside each page from now on ("name.region"),
    // so Re-capture Picture takes the same part again.
    void SetRegion(const CaptureRegion& region) { mRegion = region; }

    // Pages written completely so far.
    int PageCount() const { return mPagesWritten; }
    std::string PagePath(int number) const;

  private:
    std::string PageName(int number) const;
    void WritePage(const RecordedPicture& picture, RecordedPageContent content);

    std::string mFolder;  // with its trailing separator
    std::string mPrefix;
    Dialogs& mDialogs;
    std::string mTyped;
    std::optional<AccessibleControl> mLastPressed;
    std::optional<CaptureRegion> mRegion;
    int mPagesWritten = 0;
};

}  // namespace htmlsim
