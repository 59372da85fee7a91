#pragma once

#include <optional>
#include <string>

#include "record/RecordedPress.h"
#include "services/Dialogs.h"

namespace htmlsim {

// What one page of a recording holds: its screen, and the press that leads on from it to the
// next page (none on the last page) with the text typed before it and the field it went into.
struct RecordedPageContent {
    std::string name;     // the page's file name without extension, also its map's name
    std::string picture;  // the picture's file name beside the page
    int width = 0;
    int height = 0;
    std::optional<RecordedPress> press;
    std::string nextPage;  // the file the press leads to
    std::string typedText;
    std::optional<AccessibleControl> typedInto;
};

// The page's document: the template with its picture at 0, 0 (a canvas when the press is a
// right click, the only kind of image that takes one, an image map otherwise), one area linking
// to the next page over the pressed control, or a 48 x 32 box centred on the press where no
// control is known, a balloon "Type: ..." beside it for typed text, and an input in place of the
// text field it was typed into. Throws OverflowError for a screen larger than a page can hold.
std::string RecordedPageText(const RecordedPageContent& content, Dialogs& dialogs);

}  // namespace htmlsim
