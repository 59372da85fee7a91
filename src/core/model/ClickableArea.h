#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/AreaShape.h"
#include "model/ElementOrigin.h"

namespace htmlsim {

// The kinds of rectangle drawn on an image.
enum AreaKind : int32_t {
    kAreaClickable = 0,
    kAreaBalloon = 1,
};

// What only a message balloon holds.
struct BalloonText {
    std::string BackgroundColor;
    std::string BorderRadius;  // pixels as text
    std::string InnerHTML;
};

// A rectangle on an image in page coordinates: a clickable area that demands a left or right
// click, or a message balloon.
class ClickableArea {
  public:
    // The members stand grouped by size: a large page holds tens of thousands of areas.
    std::string Title;
    std::string LinkAddress;
    std::string Name;
    // Left/Top/Width/Height are the bounding box; the shape follows it (see AreaShape).
    AreaShape Shape;
    // Where the area was read from; none for an area drawn since.
    ElementOriginPtr Origin;
    int32_t AreaType = kAreaClickable;
    int16_t PageNumber = 0;  // used while the walk-through script is written
    int16_t TargetPage = 0;  // used while the walk-through script is written
    int16_t Index = 0;       // the outline element that shows the area
    int16_t Left = 0;
    int16_t Top = 0;
    int16_t Width = 0;
    int16_t Height = 0;
    int16_t ImageID = 0;  // Index of the image the area lies on
    bool isLinkable = false;

    ShapeBox Box() const { return {Left, Top, Width, Height}; }
    AreaOutline Outline() const { return Shape.FittedTo(Box()); }

    // Within the true outline, edges included. The edge sums are 16-bit: OverflowError beyond.
    bool IsWithin(float x, float y) const;

    // Balloon only: empty for any other area.
    const BalloonText& Balloon() const;
    // The balloon text this area alone holds, to change.
    BalloonText& EditBalloon();

    // "left" or "right".
    const std::string& ClickType() const;
    // Blanks and case do not matter; anything but "left" or "right" is taken as "left".
    void SetClickType(std::string_view clickType);

  private:
    // None until given: most areas of a large page are no balloons. Copies of an area share it
    // until one of them is changed.
    std::shared_ptr<BalloonText> mBalloon;
    bool mRightClick = false;
};

}  // namespace htmlsim
