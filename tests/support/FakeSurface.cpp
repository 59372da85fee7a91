#include "FakeSurface.h"

namespace htmlsim::testing {

void FakeSurface::PaintPicture(const Picture* picture, int left, int top, int width, int height,
                               RasterOp op) {
    paints.push_back({picture, left, top, width, height, op});
}

void FakeSurface::ClearPicture() {
    paints.clear();
    ++clearCount;
}

void FakeSurface::ShowOutline(int index, int left, int top, int width, int height) {
    outlines[index] = {true, left, top, width, height};
    shapes.erase(index);
}

void FakeSurface::HideOutline(int index) {
    outlines[index].visible = false;
}

void FakeSurface::UnloadOutline(int index) {
    outlines.erase(index);
    shapes.erase(index);
}

std::vector<int> FakeSurface::VisibleOutlines() const {
    std::vector<int> visible;
    for (const auto& [index, outline] : outlines) {
        if (outline.visible) {
            visible.push_back(index);
        }
    }
    return visible;
}

}  // namespace htmlsim::testing
