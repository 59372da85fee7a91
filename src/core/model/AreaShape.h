#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace htmlsim {

// The shapes an AREA can have. A canvas area is always a rectangle: the canvas script hit-tests
// rectangles only.
enum class AreaShapeKind { Rect, Circle, Polygon, Default };

struct ShapePoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const ShapePoint&) const = default;
};

// A box in page pixels: left, top, width, height.
struct ShapeBox {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    bool operator==(const ShapeBox&) const = default;
};

// An area's true outline in page coordinates. A rectangle and the default area are their box
// alone (no points); a circle is its centre (one point) and radius; a polygon its points, the
// first not repeated at the end.
struct AreaOutline {
    AreaShapeKind Kind = AreaShapeKind::Rect;
    std::vector<ShapePoint> Points;
    int32_t Radius = 0;
};

// An area's shape, held against the bounding box it was read or drawn with. Every move or resize
// made through the box (mouse, keyboard, dialogs) carries the shape along without knowing about
// shapes: the outline is fitted to the box the area has when it is asked for. Fitting always
// starts from the shape as read, so repeated moves never drift.
class AreaShape {
  public:
    AreaShape() = default;  // a rectangle
    static AreaShape Circle(ShapePoint centre, int32_t radius);
    static AreaShape Polygon(std::vector<ShapePoint> points);
    static AreaShape DefaultArea(ShapeBox imageBox);

    AreaShapeKind Kind() const { return mOutline.Kind; }
    // The box the shape was made with; for a circle or polygon, the box around its points.
    const ShapeBox& Bounds() const { return mBox; }

    // The outline moved and scaled onto `box`. A polygon's points scale with the box; a circle
    // stays round: centred in the box, its radius half the box's smaller side.
    AreaOutline FittedTo(const ShapeBox& box) const;

  private:
    AreaOutline mOutline;
    ShapeBox mBox;
};

// Whether (x, y) lies in the outline: edges included, a polygon by the even-odd rule (as
// browsers hit-test it), the default area everywhere within its box.
bool OutlineContains(const AreaOutline& outline, const ShapeBox& box, double x, double y);

}  // namespace htmlsim
