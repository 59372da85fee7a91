#pragma once

#include <string>
#include <string_view>

#include "model/ClickableArea.h"
#include "model/ElementOrigin.h"
#include "model/ImageProperties.h"

namespace htmlsim {

// The values the program writes for each element of the Images section, and the elements in
// the program's own form for what was added since the page was read. Every line ends with the
// document's line break.

// An image's values: for a linked image the A's HREF (tag 0) before the IMG's (tag 1).
WrittenValues ImageValues(const ImageProperties& image);
// The MAP's name.
WrittenValues MapValues(const ImageProperties& image);
// An area's SHAPE-dependent COORDS (relative to its image), Title and HREF.
WrittenValues AreaValues(const ClickableArea& area, const ImageProperties& image);

// The image's element (without its map) in the program's form.
std::string NewImageElement(const ImageProperties& image, std::string_view lineBreak);
// The opening line of the image's map, and its closing line.
std::string NewMapStart(const ImageProperties& image, std::string_view lineBreak);
std::string NewMapEnd(std::string_view lineBreak);
// One AREA line in the program's form for the area's shape.
std::string NewAreaElement(const ClickableArea& area, const ImageProperties& image,
                           std::string_view lineBreak);

// A balloon's values: its id, the style items the program writes and its content; its corners
// on the page, where a browser puts an absolutely placed DIV of the body.
WrittenValues BalloonValues(const ClickableArea& balloon);
// The balloon's DIV in the program's form.
std::string NewBalloonElement(const ClickableArea& balloon, std::string_view lineBreak);

// The quoted text of a canvas area's line: its corners, link and click type.
WrittenValues CanvasAreaValues(const ClickableArea& area, const ImageProperties& canvas);
// The canvas area's line in the program's form.
std::string NewCanvasAreaLine(const ClickableArea& area, const ImageProperties& canvas,
                              std::string_view lineBreak);

// The area's coordinates relative to the image as a rectangle's corners, whatever its shape:
// what the canvas list and the walk-through script use; a balloon's on the page.
struct Corners {
    long x1, y1, x2, y2;
};
Corners CornersOn(const ClickableArea& area, const ImageProperties& image);
Corners CornersOnPage(const ClickableArea& area);
std::string JoinedCorners(const Corners& corners);

}  // namespace htmlsim
