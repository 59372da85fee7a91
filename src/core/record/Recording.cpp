#include "record/Recording.h"

#include <algorithm>
#include <cstdio>

#include "components/FileHelper.h"
#include "document/SupportFiles.h"
#include "services/NoPictures.h"
#include "simulation/FilePageReader.h"
#include "simulation/PageWalk.h"
#include "util/RuntimeError.h"
#include "util/WholeFile.h"

namespace htmlsim {

namespace {

// Letters, digits, "-" and "_" only: no separator or dot can take a page out of the folder.
bool IsPlainName(const std::string& prefix) {
    return !prefix.empty() && std::all_of(prefix.begin(), prefix.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '_';
    });
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// UTF-8 continuation bytes belong to the character before them.
void EraseLastCharacter(std::string& text) {
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xC0) != 0x80) {
            return;
        }
    }
}

}  // namespace

Recording::Recording(std::string folder, std::string prefix, Dialogs& dialogs)
    : mFolder(WithSeparator(std::move(folder))), mPrefix(std::move(prefix)), mDialogs(dialogs) {
    if (!FileHelper::FolderExists(mFolder)) {
        throw RuntimeError("There is no folder '" + mFolder + "'.");
    }
    if (!IsPlainName(mPrefix)) {
        throw RuntimeError("The page name prefix '" + mPrefix +
                           "' may hold only letters, digits, '-' and '_'.");
    }
    if (FileHelper::FileExists(PagePath(1))) {
        throw RuntimeError("The folder holds a recording named '" + mPrefix +
                           "' already; choose another folder or prefix.");
    }
}

std::string Recording::PageName(int number) const {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return mPrefix + digits;
}

std::string Recording::PagePath(int number) const {
    return mFolder + PageName(number) + ".html";
}

void Recording::Press(const RecordedPicture& picture, const RecordedPress& press) {
    RecordedPageContent content;
    content.press = press;
    content.nextPage = PageName(mPagesWritten + 2) + ".html";
    content.typedText = std::move(mTyped);
    content.typedInto = mLastPressed;
    mTyped.clear();
    mLastPressed = press.control;
    WritePage(picture, std::move(content));
}

void Recording::Type(std::string_view text) {
    if (!mLastPressed || !mLastPressed->isPassword) {
        mTyped += text;
    }
}

void Recording::EraseTyped() {
    EraseLastCharacter(mTyped);
}

std::string Recording::Finish(const RecordedPicture& picture) {
    // What was typed after the last press has no click to lead on with.
    WritePage(picture, {});
    WriteMissingSupportFiles(mFolder);
    // The pages are read from their files, as the browser and the editor will read them.
    NoPictures pictures;
    FilePageReader reader(pictures);
    NoSimulationProgress progress;
    const std::string first = PagePath(1);
    WriteWholeFileAtomically(mFolder + "Sim.js", WalkPages(first, reader, progress).Text());
    return first;
}

// The picture and region first, so that no page names a picture that is not there.
void Recording::WritePage(const RecordedPicture& picture, RecordedPageContent content) {
    content.name = PageName(mPagesWritten + 1);
    content.picture = content.name + ".png";
    content.width = picture.width;
    content.height = picture.height;
    picture.save(mFolder + content.picture);
    if (mRegion) {
        WriteWholeFileAtomically(RegionFilePath(PagePath(mPagesWritten + 1)),
                                 CaptureRegionText(*mRegion) + "\n");
    }
    WriteWholeFileAtomically(PagePath(mPagesWritten + 1), RecordedPageText(content, mDialogs));
    ++mPagesWritten;
}

}  // namespace htmlsim
