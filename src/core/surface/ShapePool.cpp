#include "surface/ShapePool.h"

#include <string>

#include "util/Numbers.h"
#include "util/RuntimeError.h"

namespace htmlsim {

ShapePool::ShapePool() : mOutlines(1, Outline{true, false, 0, 0, 0, 0}), mFree{0} {}

int ShapePool::NextFreeShapeIndex(Surface& surface) {
    int index = Size();
    if (mFree.empty()) {
        mOutlines.emplace_back();
    } else {
        index = *mFree.begin();
        mFree.erase(mFree.begin());
    }
    Outline& outline = mOutlines[static_cast<size_t>(index)];
    outline.loaded = true;
    outline.visible = true;
    surface.ShowOutline(index, outline.left, outline.top, outline.width, outline.height);
    return index;
}

bool ShapePool::ShapeExists(int index) const {
    return OutlineAt(index).loaded;
}

ShapePool::Outline ShapePool::OutlineAt(int index) const {
    if (index < 0 || index >= Size()) {
        return {};
    }
    return mOutlines[static_cast<size_t>(index)];
}

ShapePool::Outline& ShapePool::Loaded(int index) {
    if (!ShapeExists(index)) {
        throw RuntimeError("Control array element '" + std::to_string(index) + "' doesn't exist");
    }
    return mOutlines[static_cast<size_t>(index)];
}

void ShapePool::Place(Surface& surface, int index, double left, double top, double width,
                      double height, const AreaOutline& shape) {
    if (width < 0 || height < 0) {
        throw RuntimeError("Invalid property value");
    }
    Outline& outline = Loaded(index);
    outline.left = RoundToInt16(left);
    outline.top = RoundToInt16(top);
    outline.width = RoundToInt16(width);
    outline.height = RoundToInt16(height);
    if (!outline.visible) {
        return;
    }
    surface.ShowOutline(index, outline.left, outline.top, outline.width, outline.height);
    if (shape.Kind == AreaShapeKind::Circle || shape.Kind == AreaShapeKind::Polygon) {
        surface.ShapeOutline(index, shape);
    }
}

void ShapePool::Hide(Surface& surface, int index) {
    Loaded(index).visible = false;
    mFree.insert(index);
    surface.HideOutline(index);
}

void ShapePool::Unload(Surface& surface, int index) {
    if (!ShapeExists(index)) {
        return;  // already gone: unloading twice is harmless
    }
    if (index == 0) {
        Hide(surface, index);
        return;
    }
    Loaded(index) = Outline{};
    mFree.insert(index);
    surface.UnloadOutline(index);
}

}  // namespace htmlsim
