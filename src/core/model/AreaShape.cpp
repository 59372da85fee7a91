#include "model/AreaShape.h"

#include <algorithm>
#include <cmath>

namespace htmlsim {

namespace {

int32_t RoundHalfEven(double value) {
    return static_cast<int32_t>(std::nearbyint(value));
}

// A coordinate of the old box carried to the same place in the new one.
int32_t Refit(int32_t value, int32_t oldStart, int32_t oldSize, int32_t newStart, int32_t newSize) {
    if (oldSize == 0 || oldSize == newSize) {
        return newStart + (value - oldStart);
    }
    return newStart + RoundHalfEven(static_cast<double>(value - oldStart) * newSize / oldSize);
}

}  // namespace

AreaShape AreaShape::Circle(ShapePoint centre, int32_t radius) {
    AreaShape shape;
    shape.mOutline = {AreaShapeKind::Circle, {centre}, radius};
    shape.mBox = {centre.X - radius, centre.Y - radius, 2 * radius, 2 * radius};
    return shape;
}

AreaShape AreaShape::Polygon(std::vector<ShapePoint> points) {
    AreaShape shape;
    if (!points.empty()) {
        const auto [minX, maxX] = std::minmax_element(points.begin(), points.end(),
                                                      [](auto a, auto b) { return a.X < b.X; });
        const auto [minY, maxY] = std::minmax_element(points.begin(), points.end(),
                                                      [](auto a, auto b) { return a.Y < b.Y; });
        shape.mBox = {minX->X, minY->Y, maxX->X - minX->X, maxY->Y - minY->Y};
    }
    shape.mOutline = {AreaShapeKind::Polygon, std::move(points), 0};
    return shape;
}

AreaShape AreaShape::DefaultArea(ShapeBox imageBox) {
    AreaShape shape;
    shape.mOutline.Kind = AreaShapeKind::Default;
    shape.mBox = imageBox;
    return shape;
}

AreaOutline AreaShape::FittedTo(const ShapeBox& box) const {
    AreaOutline fitted{mOutline.Kind, {}, 0};
    switch (mOutline.Kind) {
        case AreaShapeKind::Rect:
        case AreaShapeKind::Default:
            break;
        case AreaShapeKind::Circle:
            if (box.Width == mBox.Width && box.Height == mBox.Height) {
                fitted.Radius = mOutline.Radius;
                fitted.Points = {{mOutline.Points[0].X + box.Left - mBox.Left,
                                  mOutline.Points[0].Y + box.Top - mBox.Top}};
            } else {
                fitted.Radius = std::min(box.Width, box.Height) / 2;
                fitted.Points = {{box.Left + box.Width / 2, box.Top + box.Height / 2}};
            }
            break;
        case AreaShapeKind::Polygon:
            fitted.Points.reserve(mOutline.Points.size());
            for (const ShapePoint& p : mOutline.Points) {
                fitted.Points.push_back({Refit(p.X, mBox.Left, mBox.Width, box.Left, box.Width),
                                         Refit(p.Y, mBox.Top, mBox.Height, box.Top, box.Height)});
            }
            break;
    }
    return fitted;
}

bool OutlineContains(const AreaOutline& outline, const ShapeBox& box, double x, double y) {
    const bool inBox =
        box.Left <= x && x <= box.Left + box.Width && box.Top <= y && y <= box.Top + box.Height;
    switch (outline.Kind) {
        case AreaShapeKind::Rect:
        case AreaShapeKind::Default:
            return inBox;
        case AreaShapeKind::Circle: {
            const double dx = x - outline.Points[0].X;
            const double dy = y - outline.Points[0].Y;
            return dx * dx + dy * dy <= static_cast<double>(outline.Radius) * outline.Radius;
        }
        case AreaShapeKind::Polygon: {
            bool inside = false;
            const size_t n = outline.Points.size();
            for (size_t i = 0, j = n - 1; i < n; j = i++) {
                const ShapePoint& a = outline.Points[i];
                const ShapePoint& b = outline.Points[j];
                if ((a.Y > y) != (b.Y > y) &&
                    x < (b.X - a.X) * (y - a.Y) / static_cast<double>(b.Y - a.Y) + a.X) {
                    inside = !inside;
                }
            }
            return inside;
        }
    }
    return false;
}

}  // namespace htmlsim
