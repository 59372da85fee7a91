#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/AreaShape.h"

namespace htmlsim {

// The smallest outline an area is shown with; and the smallest ring a circle keeps, so one drawn
// without a drag still shows, and is still hit.
inline constexpr int32_t kSmallestOutlineSide = 5;
inline constexpr int32_t kSmallestRadius = 3;

// Handles are drawn as squares of this side, centred on their points, and are caught this many
// pixels around their points.
inline constexpr int kHandleSide = 7;
inline constexpr int kHandleReach = 4;

// Where an area is and what outline it has: what a handle or a move changes.
struct AreaGeometry {
    ShapeBox Box;
    AreaShape Shape;
};

// One grip of a selected area or balloon. A box handle moves the edges it lies on (-1 the left
// or top edge, +1 the right or bottom one, 0 neither); a circle's handle its radius; a polygon's
// the point it stands on.
struct AreaHandle {
    ShapePoint At;
    int XEdge = 0;
    int YEdge = 0;
    std::optional<size_t> Point;  // a polygon's point
    bool Radius = false;          // a circle's
};

// The handles of an area in this box with this outline: eight around a rectangle or balloon
// (corners and edge middles, clockwise from the top left), four on a circle (top, right,
// bottom, left), one per point of a polygon; none for the default area, which is its image.
std::vector<AreaHandle> HandlesOf(const ShapeBox& box, const AreaOutline& outline);

// The handle caught by a press at (x, y), the last drawn (topmost) first; nullopt for none.
std::optional<AreaHandle> HandleAt(const std::vector<AreaHandle>& handles, float x, float y);

// The area after its handle was pulled by (dx, dy) from where it was. A box keeps its opposite
// edges and never becomes narrower or lower than an outline's smallest size; a circle keeps its
// centre; a polygon moves that point alone.
AreaGeometry PulledHandle(const AreaGeometry& start, const AreaHandle& handle, int dx, int dy);

// The box moved by (dx, dy), not past the page's top or left edge.
ShapeBox MovedBox(const ShapeBox& box, int dx, int dy);

}  // namespace htmlsim
