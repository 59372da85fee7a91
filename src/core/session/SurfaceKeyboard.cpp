#include "session/SurfaceKeyboard.h"

#include "session/AreaSelection.h"

namespace htmlsim {

namespace {

struct Offset {
    int x = 0;
    int y = 0;
};

Offset ArrowOffset(SurfaceKey key, int step) {
    switch (key) {
        case SurfaceKey::Left:
            return {-step, 0};
        case SurfaceKey::Right:
            return {step, 0};
        case SurfaceKey::Up:
            return {0, -step};
        case SurfaceKey::Down:
            return {0, step};
        default:
            return {};
    }
}

}  // namespace

void PressSurfaceKey(AreaSelection& selection, SurfaceKey key, KeyModifiers modifiers) {
    switch (key) {
        case SurfaceKey::Left:
        case SurfaceKey::Right:
        case SurfaceKey::Up:
        case SurfaceKey::Down: {
            const Offset offset = ArrowOffset(key, modifiers.shift ? kLargeNudgeStep : kNudgeStep);
            if (modifiers.control) {
                selection.Resize(offset.x, offset.y);
            } else {
                selection.Move(offset.x, offset.y);
            }
            break;
        }
        case SurfaceKey::Delete:
            selection.Remove();
            break;
        case SurfaceKey::Tab:
        case SurfaceKey::BackTab:
            selection.Step(key == SurfaceKey::BackTab);
            break;
        case SurfaceKey::Escape:
            selection.Select(nullptr);
            break;
        case SurfaceKey::Enter:
            break;
    }
}

}  // namespace htmlsim
