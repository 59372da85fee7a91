#include "surface/AreaHandles.h"

#include <algorithm>
#include <cmath>
#include "util/Numbers.h"

namespace htmlsim {

namespace {

std::vector<AreaHandle> BoxHandles(const ShapeBox& box) {
    std::vector<AreaHandle> handles;
    // Clockwise from the top left corner.
    constexpr int kEdges[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0},
                                  {1, 1},   {0, 1},  {-1, 1}, {-1, 0}};
    for (const auto& [xEdge, yEdge] : kEdges) {
        const int32_t x = box.Left + (xEdge + 1) * box.Width / 2;
        const int32_t y = box.Top + (yEdge + 1) * box.Height / 2;
        handles.push_back({{x, y}, xEdge, yEdge, std::nullopt, false});
    }
    return handles;
}

std::vector<AreaHandle> CircleHandles(const AreaOutline& outline) {
    const ShapePoint c = outline.Points.front();
    const int32_t r = outline.Radius;
    std::vector<AreaHandle> handles;
    for (const ShapePoint at : {ShapePoint{c.X, c.Y - r}, ShapePoint{c.X + r, c.Y},
                                ShapePoint{c.X, c.Y + r}, ShapePoint{c.X - r, c.Y}}) {
        handles.push_back({at, 0, 0, std::nullopt, true});
    }
    return handles;
}

// One edge pair of a box pulled by `delta` at the edge `edge` names, the other edge staying.
void PullEdge(int32_t& start, int32_t& size, int edge, int delta) {
    if (edge < 0) {
        const int32_t end = start + size;
        start = std::min(start + delta, end - kSmallestOutlineSide);
        size = end - start;
    } else if (edge > 0) {
        size = std::max(size + delta, kSmallestOutlineSide);
    }
}

}  // namespace

std::vector<AreaHandle> HandlesOf(const ShapeBox& box, const AreaOutline& outline) {
    switch (outline.Kind) {
        case AreaShapeKind::Rect:
            return BoxHandles(box);
        case AreaShapeKind::Circle:
            return CircleHandles(outline);
        case AreaShapeKind::Polygon: {
            std::vector<AreaHandle> handles;
            for (size_t i = 0; i < outline.Points.size(); ++i) {
                handles.push_back({outline.Points[i], 0, 0, i, false});
            }
            return handles;
        }
        case AreaShapeKind::Default:
            break;
    }
    return {};
}

std::optional<AreaHandle> HandleAt(const std::vector<AreaHandle>& handles, float x, float y) {
    for (auto handle = handles.rbegin(); handle != handles.rend(); ++handle) {
        if (std::fabs(x - handle->At.X) <= kHandleReach &&
            std::fabs(y - handle->At.Y) <= kHandleReach) {
            return *handle;
        }
    }
    return std::nullopt;
}

AreaGeometry PulledHandle(const AreaGeometry& start, const AreaHandle& handle, int dx, int dy) {
    const AreaOutline outline = start.Shape.FittedTo(start.Box);
    AreaGeometry pulled = start;
    if (handle.Radius) {
        const ShapePoint centre = outline.Points.front();
        const double radius = std::hypot(handle.At.X + dx - centre.X, handle.At.Y + dy - centre.Y);
        pulled.Shape =
            AreaShape::Circle(centre, std::max<int32_t>(kSmallestRadius, RoundToInt16(radius)));
        pulled.Box = pulled.Shape.Bounds();
    } else if (handle.Point) {
        std::vector<ShapePoint> points = outline.Points;
        ShapePoint& moved = points.at(*handle.Point);
        moved = {moved.X + dx, moved.Y + dy};
        pulled.Shape = AreaShape::Polygon(std::move(points));
        pulled.Box = pulled.Shape.Bounds();
    } else {
        PullEdge(pulled.Box.Left, pulled.Box.Width, handle.XEdge, dx);
        PullEdge(pulled.Box.Top, pulled.Box.Height, handle.YEdge, dy);
    }
    return pulled;
}

ShapeBox MovedBox(const ShapeBox& box, int dx, int dy) {
    return {std::max(0, box.Left + dx), std::max(0, box.Top + dy), box.Width, box.Height};
}

}  // namespace htmlsim
