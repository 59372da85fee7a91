#include "record/Recapture.h"

#include <exception>
#include <optional>

#include "components/FileHelper.h"
#include "util/WholeFile.h"

namespace htmlsim {

namespace {

constexpr const char* kTitle = "Re-capture Picture";

bool EndsWithPng(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    std::string extension = path.substr(path.size() - 4);
    for (char& c : extension) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return extension == ".png";
}

std::optional<CaptureRegion> StoredRegion(const std::string& pagePath) {
    const std::string path = RegionFilePath(pagePath);
    if (!FileHelper::FileExists(path)) {
        return std::nullopt;
    }
    try {
        return ParseCaptureRegion(ReadWholeFile(path));
    } catch (const std::exception&) {
        return std::nullopt;  // an unreadable record is no record: the user is asked
    }
}

// What to capture for a page without a stored region. Outer none: cancelled or refused (the
// reason shown); inner none: the whole screen.
std::optional<std::optional<CaptureRegion>> AskForRegion(const std::string& pagePath,
                                                         Dialogs& dialogs) {
    if (dialogs.AskYesNo("This page does not say which part of the screen its picture shows. "
                         "Capture the whole screen? (No asks for a region.)",
                         kTitle)) {
        return std::optional<CaptureRegion>{};
    }
    const std::string answer = dialogs.InputBox(
        "The region to capture, as X,Y,Width,Height in screen pixels:", kTitle, "0,0,800,600");
    if (answer.empty()) {
        return std::nullopt;
    }
    const std::optional<CaptureRegion> region = ParseCaptureRegion(answer);
    if (!region) {
        dialogs.Message(
            "'" + answer + "' is not a region: give X,Y,Width,Height, for example 0,0,800,600.",
            kTitle, MessageIcon::Exclamation);
        return std::nullopt;
    }
    // Kept for the next re-capture of this page.
    WriteWholeFileAtomically(RegionFilePath(pagePath), CaptureRegionText(*region) + "\n");
    return region;
}

}  // namespace

bool RecapturePicture(const std::string& pagePath, const std::string& picturePath, Dialogs& dialogs,
                      CountdownClock& clock, ScreenCapture& screen,
                      const std::function<void(int secondsLeft)>& secondsLeft) {
    if (picturePath.empty()) {
        dialogs.Message("The page has no picture to re-capture.", kTitle, MessageIcon::Exclamation);
        return false;
    }
    // A capture is written as PNG; under another name it would be a file its name misstates.
    if (!EndsWithPng(picturePath)) {
        dialogs.Message("Only a PNG picture can be re-captured; '" + picturePath + "' is not one.",
                        kTitle, MessageIcon::Exclamation);
        return false;
    }
    try {
        std::optional<CaptureRegion> region = StoredRegion(pagePath);
        if (!region) {
            const auto asked = AskForRegion(pagePath, dialogs);
            if (!asked) {
                return false;
            }
            region = *asked;
        }
        for (int left = kRecaptureCountdownSeconds; left > 0; --left) {
            secondsLeft(left);
            clock.WaitOneSecond();
        }
        screen.Grab(region).save(picturePath);
        return true;
    } catch (const std::exception& failure) {
        dialogs.Message(failure.what(), kTitle, MessageIcon::Critical);
        return false;
    }
}

}  // namespace htmlsim
