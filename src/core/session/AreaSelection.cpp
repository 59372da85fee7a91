#include "session/AreaSelection.h"

#include <algorithm>

#include "session/DesignGate.h"
#include "session/ImagesSectionUpdate.h"
#include "session/Session.h"
#include "surface/DesignOperations.h"
#include "util/Numbers.h"

namespace htmlsim {

namespace {

// Nothing is highlighted.
constexpr int kNoOutline = -1;

}  // namespace

AreaSelection::AreaSelection(Session& session, RemoveCommand remove)
    : mSession(session), mRemove(std::move(remove)) {}

ClickableAreaPtr AreaSelection::Selected() const {
    ClickableAreaPtr area = mSelected.lock();
    if (!area) {
        return nullptr;
    }
    const ClickableAreas& areas = mSession.Design().Areas;
    const bool onPage = std::find(areas.begin(), areas.end(), area) != areas.end();
    return onPage ? area : nullptr;
}

void AreaSelection::Select(const ClickableAreaPtr& area) {
    mSelected = area;
    if (area) {
        mSession.Design().CurrentClickableArea = area;
    }
    mSession.DesignSurface().HighlightOutline(area ? area->Index : kNoOutline);
}

void AreaSelection::Step(bool backwards) {
    const ClickableAreas& areas = mSession.Design().Areas;
    const size_t count = areas.Count();
    if (count == 0) {
        return;
    }
    const ClickableAreaPtr selected = Selected();
    const auto found = std::find(areas.begin(), areas.end(), selected);
    size_t next = 0;
    if (found == areas.end()) {
        next = backwards ? count - 1 : 0;
    } else {
        const auto at = static_cast<size_t>(found - areas.begin());
        next = backwards ? (at + count - 1) % count : (at + 1) % count;
    }
    Select(areas.Item(next + 1));
}

void AreaSelection::Move(int dx, int dy) {
    const ClickableAreaPtr area = Selected();
    if (!area || !DesignMayChange(mSession)) {
        return;
    }
    const ShapeBox moved = MovedBox(area->Box(), dx, dy);
    const int16_t left = RoundToInt16(moved.Left);
    const int16_t top = RoundToInt16(moved.Top);
    area->Left = left;
    area->Top = top;
    Changed(area);
}

void AreaSelection::Resize(int dWidth, int dHeight) {
    const ClickableAreaPtr area = Selected();
    if (!area || !DesignMayChange(mSession)) {
        return;
    }
    // A circle stays round: either arrow changes both sides, so its radius.
    if (area->Shape.Kind() == AreaShapeKind::Circle) {
        dWidth = dHeight = dWidth != 0 ? dWidth : dHeight;
    }
    const int16_t width = RoundToInt16(area->Width + dWidth);
    const int16_t height = RoundToInt16(area->Height + dHeight);
    area->Width = width;
    area->Height = height;
    Changed(area);
}

void AreaSelection::Remove() {
    const ClickableAreaPtr area = Selected();
    if (!area) {
        return;
    }
    mSession.Design().CurrentClickableArea = area;
    mRemove();
    Select(nullptr);
}

void AreaSelection::Changed(const ClickableAreaPtr& area) {
    PageDesign& design = mSession.Design();
    design.CurrentClickableArea = area;
    RefreshShape(design, mSession.DesignSurface());
    UpdateImagesSection(mSession);
}

}  // namespace htmlsim
