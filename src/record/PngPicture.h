#pragma once

#include <QImage>

#include "record/RecordedPress.h"

namespace htmlsim::record {

// A grabbed screen as a page's picture, written as PNG (lossless, so the page shows exactly
// what was on the screen) through a temporary file.
RecordedPicture PngPicture(const QImage& screen);

}  // namespace htmlsim::record
