#pragma once

#include <map>
#include <string>
#include <vector>

#include "model/AreaShape.h"
#include "services/Surface.h"

namespace htmlsim::testing {

// Records what the core paints and where it puts the outlines.
class FakeSurface : public Surface {
  public:
    struct Paint {
        const Picture* picture;
        int left, top, width, height;
        RasterOp op;
    };
    struct Outline {
        bool visible;
        int left, top, width, height;
        bool operator==(const Outline&) const = default;
    };

    std::vector<Paint> paints;  // since the last ClearPicture
    int clearCount = 0;
    std::map<int, Outline> outlines;    // loaded elements only
    std::map<int, AreaOutline> shapes;  // the circles and polygons among them
    int highlighted = -1;

    void PaintPicture(const Picture* picture, int left, int top, int width, int height,
                      RasterOp op) override {
        paints.push_back({picture, left, top, width, height, op});
    }
    void ClearPicture() override {
        paints.clear();
        ++clearCount;
    }
    void ShowOutline(int index, int left, int top, int width, int height) override {
        outlines[index] = {true, left, top, width, height};
        shapes.erase(index);
    }
    void HideOutline(int index) override { outlines[index].visible = false; }
    void UnloadOutline(int index) override {
        outlines.erase(index);
        shapes.erase(index);
    }
    void ShapeOutline(int index, const AreaOutline& shape) override { shapes[index] = shape; }
    void HighlightOutline(int index) override { highlighted = index; }

    // The numbers of the visible outlines, ascending.
    std::vector<int> VisibleOutlines() const {
        std::vector<int> visible;
        for (const auto& [index, outline] : outlines) {
            if (outline.visible) {
                visible.push_back(index);
            }
        }
        return visible;
    }
};

}  // namespace htmlsim::testing
