#include "session/DesignMouse.h"

#include <cmath>
#include <optional>

#include "session/ImagesSectionUpdate.h"
#include "surface/DesignOperations.h"
#include "surface/HitTest.h"
#include "util/Numbers.h"

namespace htmlsim {

namespace {

constexpr const char* kBalloonColor = "salmon";
constexpr const char* kBalloonRadius = "5";
constexpr const char* kBalloonContent = "</br><center>Message Goes</br>Here</center>";

// The click type a canvas area must demand to answer this button; nullptr for none.
const char* ClickTypeOfButton(int button) {
    if (button == kLeftButton) {
        return "left";
    }
    return button == kRightButton ? "right" : nullptr;
}

}  // namespace

DesignMouse::DesignMouse(Session& session, Navigation& navigation, DesignMouseView& view,
                         SecondsClock clock)
    : mSession(session), mNavigation(navigation), mView(view), mClock(std::move(clock)) {}

void DesignMouse::MouseDown(int button, float x, float y) {
    if (mSession.LoadingSection()) {
        return;
    }
    mLastMouseX = x;
    mLastMouseY = y;
    try {
        if (button == kRightButton) {
            RightPress(x, y);
        } else if (button == kLeftButton && mDrawMode && mSession.Design().CurrentImage) {
            StartDrawing(x, y);
        } else {
            PressImage(x, y);
        }
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    }
}

void DesignMouse::RightPress(float x, float y) {
    PageDesign& design = mSession.Design();
    const int16_t index = HitTestImage(design, x, y);
    if (index == 0) {
        mView.AreaPressed(nullptr);
        mView.ShowPopupMenu(PalletMenu(), x, y);
        return;
    }
    design.CurrentImage = design.ImagePointer(index);
    ClickableAreaPtr area = AreaAt(design, index, x, y);
    mView.AreaPressed(area);
    if (area) {
        design.CurrentClickableArea = area;
        mView.ShowPopupMenu(AreaMenu(*area), x, y);
    } else {
        mView.ShowPopupMenu(ImageMenu(*design.CurrentImage), x, y);
    }
}

void DesignMouse::StartDrawing(float x, float y) {
    PageDesign& design = mSession.Design();
    Surface& surface = mSession.DesignSurface();
    const ImageProperties& image = *design.CurrentImage;
    const int16_t left = RoundToInt16(x);
    const int16_t top = RoundToInt16(y);
    const int n = design.Shapes.NextFreeShapeIndex(surface);
    const std::string prefix = image.ImageType == kImageCanvas ? image.Id : image.MapName;
    const std::string name = prefix + "_Area_" + std::to_string(n);
    ClickableAreaPtr area =
        design.Areas.Add(name, 0, 0, top, left, static_cast<int16_t>(n), AreaKey(n), image.Index);
    design.CurrentClickableArea = area;
    area->LinkAddress = name + "." + mSession.Extension();
    design.Shapes.Place(surface, n, x, y, 0, 0);
    area->Title = "";
    area->AreaType = mDrawKind;
    area->isLinkable = mDrawKind == kAreaClickable;
    if (mDrawKind == kAreaBalloon) {
        area->BackgroundColor = kBalloonColor;
        area->BorderRadius = kBalloonRadius;
        area->InnerHTML = kBalloonContent;
    }
    mView.AreaPressed(area);
}

void DesignMouse::PressImage(float x, float y) {
    const PageDesign& design = mSession.Design();
    mDragImageIndex = HitTestImage(design, x, y);
    mView.AreaPressed(mDragImageIndex == 0 ? nullptr : AreaAt(design, mDragImageIndex, x, y));
    if (mDragImageIndex == 0) {
        mGrabOffsetX = mGrabOffsetY = 0;
        return;
    }
    const ImageProperties& image = design.Image(mDragImageIndex);
    mGrabOffsetX = x - image.Left;
    mGrabOffsetY = y - image.Top;
    mPressTime = mClock();
}

void DesignMouse::MouseMove(int buttons, float x, float y) {
    if (mSession.LoadingSection()) {
        return;
    }
    mLastMouseX = x;
    mLastMouseY = y;
    try {
        if (buttons == kLeftButton && mDrawMode) {
            ResizeDrawing(x, y);
        } else if (mDragImageIndex != 0) {
            DragImage(x, y);
        }
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    }
}

void DesignMouse::ResizeDrawing(float x, float y) {
    PageDesign& design = mSession.Design();
    ClickableArea& area = *design.CurrentClickableArea;
    area.Width = RoundToInt16(x - area.Left);
    area.Height = RoundToInt16(y - area.Top);
    RefreshShape(design, mSession.DesignSurface());
}

void DesignMouse::DragImage(float x, float y) {
    PageDesign& design = mSession.Design();
    Surface& surface = mSession.DesignSurface();
    ImageProperties& image = design.Image(mDragImageIndex);
    const float distance =
        std::fabs(image.Left + mGrabOffsetX - x) + std::fabs(image.Top + mGrabOffsetY - y);
    if (distance <= kDragDeadZone) {
        return;
    }
    DrawImage(design, surface, mDragImageIndex, RasterOp::White);
    const float dx = x - mGrabOffsetX - image.Left;
    const float dy = y - mGrabOffsetY - image.Top;
    image.Left = RoundToInt16(x - mGrabOffsetX);
    image.Top = RoundToInt16(y - mGrabOffsetY);
    DrawImage(design, surface, mDragImageIndex, RasterOp::Copy);
    if (image.ImageType == kImageMap) {
        for (const ClickableAreaPtr& area : design.Areas) {
            if (area->ImageID == mDragImageIndex) {
                area->Left = RoundToInt16(area->Left + dx);
                area->Top = RoundToInt16(area->Top + dy);
                design.Shapes.Place(surface, area->Index, area->Left, area->Top, area->Width,
                                    area->Height);
            }
        }
    }
    mView.RepaintSurface();
}

void DesignMouse::MouseUp(int button, float x, float y) {
    if (mSession.LoadingSection()) {
        return;
    }
    try {
        if (button == kLeftButton && mDrawMode) {
            UpdateImagesSection(mSession);
        } else if (mDragImageIndex != 0) {
            if (mClock() - mPressTime > kClickSeconds) {
                DropImage(x, y);
            } else {
                ClickImage(button);
            }
        }
    } catch (const std::exception& failure) {
        mDragImageIndex = 0;
        ReportFailure(failure);
    }
}

void DesignMouse::DropImage(float x, float y) {
    PageDesign& design = mSession.Design();
    Surface& surface = mSession.DesignSurface();
    ImageProperties& image = design.Image(mDragImageIndex);
    DrawImage(design, surface, mDragImageIndex, RasterOp::White);
    image.Left = RoundToInt16(x - mGrabOffsetX);
    image.Top = RoundToInt16(y - mGrabOffsetY);
    for (int i = 1; i <= design.ImageCount(); ++i) {
        DrawImage(design, surface, i, RasterOp::Copy);
    }
    UpdateImagesSection(mSession);
    mDragImageIndex = 0;
}

void DesignMouse::ClickImage(int button) {
    const PageDesign& design = mSession.Design();
    const ImageProperties& image = design.Image(mDragImageIndex);
    std::optional<std::string> link;
    if (image.ImageType == kImageHyperlink) {
        link = image.HREF;
    } else if (ClickableAreaPtr area = ClickedArea(image, button)) {
        link = area->LinkAddress;
    }
    // Following the link reads another page into the design: nothing of this one is used after.
    mDragImageIndex = 0;
    if (link) {
        mNavigation.FollowLink(*link);
    }
}

ClickableAreaPtr DesignMouse::ClickedArea(const ImageProperties& image, int button) {
    const PageDesign& design = mSession.Design();
    if (image.ImageType == kImageMap) {
        return AreaAt(design, image.Index, mLastMouseX, mLastMouseY);
    }
    if (image.ImageType == kImageCanvas) {
        if (const char* clickType = ClickTypeOfButton(button)) {
            return AreaAt(design, image.Index, mLastMouseX, mLastMouseY, clickType);
        }
    }
    return nullptr;
}

void DesignMouse::Click() {
    mDrawMode = false;
}

void DesignMouse::DrawImageMap() {
    mDrawMode = true;
    mDrawKind = kAreaClickable;
}

void DesignMouse::DrawBalloon() {
    mDrawMode = true;
    mDrawKind = kAreaBalloon;
}

void DesignMouse::PerformRightClick() {
    const std::string link = mSession.Design().CurrentClickableArea->LinkAddress;
    mNavigation.FollowLink(link);
}

void DesignMouse::ReportFailure(const std::exception& failure) {
    mSession.GetDialogs().Message(failure.what(), "", MessageIcon::Critical);
}

}  // namespace htmlsim
