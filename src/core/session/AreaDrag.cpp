#include "session/AreaDrag.h"

#include <algorithm>
#include <cmath>

#include "session/DesignGate.h"
#include "session/DesignMouse.h"
#include "session/ImagesSectionUpdate.h"
#include "session/Session.h"
#include "surface/DesignOperations.h"
#include "util/Numbers.h"

namespace htmlsim {

bool AreaDrag::Press(const ClickableAreaPtr& selected, float x, float y) {
    End();
    if (!selected || selected->Shape.Kind() == AreaShapeKind::Default) {
        return false;
    }
    mHandle = HandleAt(HandlesOf(selected->Box(), selected->Outline()), x, y);
    if (!mHandle && !selected->IsWithin(x, y)) {
        return false;
    }
    mArea = selected;
    mStart = {selected->Box(), selected->Shape};
    mPressX = x;
    mPressY = y;
    // A handle is pulled from the first pixel; a move waits for the image's dead zone.
    mWorking = mHandle.has_value();
    return mWorking;
}

bool AreaDrag::Follow(float x, float y) {
    if (!OnPage()) {
        End();
        return false;
    }
    // The same dead zone as the image's, so the area takes the press before the image would.
    if (!mWorking && std::fabs(x - mPressX) + std::fabs(y - mPressY) <= kDragDeadZone) {
        return false;
    }
    const int dx = RoundToInt16(x - mPressX);
    const int dy = RoundToInt16(y - mPressY);
    if (!mChanged && !DesignMayChange(mSession)) {
        End();
        return false;
    }
    mWorking = true;
    mChanged = true;
    const AreaGeometry moved = mHandle ? PulledHandle(mStart, *mHandle, dx, dy)
                                       : AreaGeometry{MovedBox(mStart.Box, dx, dy), mStart.Shape};
    PlaceArea(mSession.Design(), mSession.DesignSurface(), *mArea, moved);
    return true;
}

bool AreaDrag::Release() {
    const bool worked = mWorking;
    if (mChanged && OnPage()) {
        mSession.Design().CurrentClickableArea = mArea;
        RefreshShape(mSession.Design(), mSession.DesignSurface());
        UpdateImagesSection(mSession);
    }
    End();
    return worked;
}

bool AreaDrag::OnPage() const {
    const ClickableAreas& areas = mSession.Design().Areas;
    return mArea && std::find(areas.begin(), areas.end(), mArea) != areas.end();
}

void AreaDrag::End() {
    mArea = nullptr;
    mHandle.reset();
    mWorking = false;
    mChanged = false;
}

}  // namespace htmlsim
