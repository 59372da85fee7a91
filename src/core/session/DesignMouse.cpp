#include "session/DesignMouse.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "session/DesignGate.h"
#include "session/ImagesSectionUpdate.h"
#include "session/NewAreaLink.h"
#include "surface/DesignOperations.h"
#include "surface/HitTest.h"
#include "util/Numbers.h"

namespace htmlsim {

namespace {

constexpr const char* kBalloonColor = "salmon";
constexpr const char* kBalloonRadius = "5";
constexpr const char* kBalloonContent = "</br><center>Message Goes</br>Here</center>";

// The area takes the shape and the box around it, and its outline follows.
void GiveShape(PageDesign& design, Surface& surface, ClickableArea& area, AreaShape shape) {
    const ShapeBox box = shape.Bounds();
    PlaceArea(design, surface, area, {box, std::move(shape)});
}

ShapePoint PointAt(float x, float y) {
    return {RoundToInt16(x), RoundToInt16(y)};
}

// Areas are written relative to their image map or canvas: they go where it goes, so that each
// stays over the same part of the picture.
void MoveAreasWithImage(PageDesign& design, Surface& surface, int16_t imageIndex, float dx,
                        float dy) {
    const int imageType = design.Image(imageIndex).ImageType;
    if (imageType != kImageMap && imageType != kImageCanvas) {
        return;
    }
    for (const ClickableAreaPtr& area : design.Areas) {
        if (area->ImageID == imageIndex) {
            area->Left = RoundToInt16(area->Left + dx);
            area->Top = RoundToInt16(area->Top + dy);
            PlaceAreaOutline(design, surface, *area);
        }
    }
}

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
    : mSession(session),
      mNavigation(navigation),
      mView(view),
      mClock(std::move(clock)),
      mAreaDrag(session) {}

void DesignMouse::ForgetOtherDesign() {
    if (OnCurrentDesign()) {
        return;
    }
    mDesignBuild = mSession.DesignBuild();
    mDrawMode = false;
    mDrawSeveral = false;
    mDragImageIndex = 0;
    mAreaDrag.End();
    mPolygonArea = nullptr;
    mPolygonPoints.clear();
}

void DesignMouse::MouseDown(int button, float x, float y) {
    if (mSession.LoadingSection()) {
        return;
    }
    ForgetOtherDesign();
    mLastMouseX = x;
    mLastMouseY = y;
    try {
        if (button == kRightButton) {
            RightPress(x, y);
        } else if (button == kLeftButton && mDrawMode && mSession.Design().CurrentImage) {
            if (mDrawShape == AreaShapeKind::Polygon) {
                AddPolygonPoint(x, y);
            } else {
                StartDrawing(x, y);
            }
        } else if (button == kLeftButton && mAreaDrag.Press(mView.SelectedArea(), x, y)) {
            // A handle of the selected area took the press.
        } else {
            PressImage(x, y);
        }
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    }
}

void DesignMouse::RightPress(float x, float y) {
    if (DrawingSeveral()) {
        StopDrawing();
        return;
    }
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
    const std::string name = NewAreaLinkName(mSession, prefix, n);
    ClickableAreaPtr area =
        design.Areas.Add(name, 0, 0, top, left, static_cast<int16_t>(n), AreaKey(n), image.Index);
    design.CurrentClickableArea = area;
    area->LinkAddress = name + "." + mSession.Extension();
    design.Shapes.Place(surface, n, x, y, 0, 0);
    area->Title = "";
    area->AreaType = mDrawKind;
    area->isLinkable = mDrawKind == kAreaClickable;
    if (mDrawKind == kAreaBalloon) {
        area->EditBalloon() = {kBalloonColor, kBalloonRadius, kBalloonContent};
    }
    mDrawOrigin = {left, top};
    if (mDrawShape == AreaShapeKind::Circle) {
        GiveShape(design, surface, *area, AreaShape::Circle(mDrawOrigin, kSmallestRadius));
    }
    mDrawingMoved = false;
    mView.AreaPressed(area);
}

void DesignMouse::AddPolygonPoint(float x, float y) {
    if (!DrawingPolygon()) {
        mPolygonPoints.clear();
        StartDrawing(x, y);
        mPolygonArea = mSession.Design().CurrentClickableArea;
    }
    // A double click may press twice on its point: the point is taken once.
    const ShapePoint point = PointAt(x, y);
    if (mPolygonPoints.empty() || !(mPolygonPoints.back() == point)) {
        mPolygonPoints.push_back(point);
    }
    FollowPolygon(mPolygonPoints);
}

void DesignMouse::FollowPolygon(std::vector<ShapePoint> points) {
    GiveShape(mSession.Design(), mSession.DesignSurface(), *mPolygonArea,
              AreaShape::Polygon(std::move(points)));
}

bool DesignMouse::DrawingPolygon() const {
    const ClickableAreas& areas = mSession.Design().Areas;
    // A page read anew (another page, an undo) has dropped the polygon with the design.
    return mPolygonArea && std::find(areas.begin(), areas.end(), mPolygonArea) != areas.end();
}

void DesignMouse::ClosePolygon() {
    if (!DrawingPolygon() || mPolygonPoints.size() < 3) {
        CancelPolygon();
        return;
    }
    FollowPolygon(mPolygonPoints);
    EndPolygon();
    UpdateImagesSection(mSession);
}

void DesignMouse::CancelPolygon() {
    if (DrawingPolygon()) {
        DropDrawnArea(mPolygonArea);
    }
    EndPolygon();
}

void DesignMouse::DropDrawnArea(const ClickableAreaPtr& area) {
    PageDesign& design = mSession.Design();
    const int n = area->Index;
    design.Shapes.Unload(mSession.DesignSurface(), n);
    design.Areas.Remove(AreaKey(n));
    mView.AreaPressed(nullptr);
}

void DesignMouse::EndPolygon() {
    mPolygonArea = nullptr;
    mPolygonPoints.clear();
    mDrawMode = false;
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
    ForgetOtherDesign();
    mLastMouseX = x;
    mLastMouseY = y;
    try {
        if (DrawingPolygon()) {
            std::vector<ShapePoint> points = mPolygonPoints;
            points.push_back(PointAt(x, y));
            FollowPolygon(std::move(points));
        } else if (buttons == kLeftButton && mDrawMode) {
            ResizeDrawing(x, y);
        } else if (mAreaDrag.Follow(x, y)) {
            mDragImageIndex = 0;  // the press moves the area, not its image
        } else if (mDragImageIndex != 0 && buttons != 0) {
            DragImage(x, y);
        }
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    }
}

void DesignMouse::ResizeDrawing(float x, float y) {
    PageDesign& design = mSession.Design();
    ClickableArea& area = *design.CurrentClickableArea;
    mDrawingMoved =
        mDrawingMoved || RoundToInt16(x) != mDrawOrigin.X || RoundToInt16(y) != mDrawOrigin.Y;
    if (mDrawShape == AreaShapeKind::Circle) {
        const int32_t radius = RoundToInt16(std::hypot(x - mDrawOrigin.X, y - mDrawOrigin.Y));
        GiveShape(design, mSession.DesignSurface(), area,
                  AreaShape::Circle(mDrawOrigin, std::max(kSmallestRadius, radius)));
        return;
    }
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
    if (!DesignMayChange(mSession)) {
        mDragImageIndex = 0;
        return;
    }
    DrawImage(design, surface, mDragImageIndex, RasterOp::White);
    const float dx = x - mGrabOffsetX - image.Left;
    const float dy = y - mGrabOffsetY - image.Top;
    image.Left = RoundToInt16(x - mGrabOffsetX);
    image.Top = RoundToInt16(y - mGrabOffsetY);
    DrawImage(design, surface, mDragImageIndex, RasterOp::Copy);
    MoveAreasWithImage(design, surface, mDragImageIndex, dx, dy);
    mView.RepaintSurface();
}

void DesignMouse::MouseUp(int button, float x, float y) {
    if (mSession.LoadingSection()) {
        return;
    }
    ForgetOtherDesign();
    try {
        if (button == kLeftButton && mDrawMode) {
            // A polygon is written when it is closed.
            if (DrawingPolygon()) {
                return;
            }
            if (mDrawSeveral && !mDrawingMoved) {
                DropDrawnArea(mSession.Design().CurrentClickableArea);
            } else {
                UpdateImagesSection(mSession);
            }
        } else if (button == kLeftButton && mAreaDrag.Release()) {
            mDragImageIndex = 0;
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
    const int16_t left = RoundToInt16(x - mGrabOffsetX);
    const int16_t top = RoundToInt16(y - mGrabOffsetY);
    // A drop without a move before it (no pointer motion was reported) moves the image here.
    if ((left != image.Left || top != image.Top) && !DesignMayChange(mSession)) {
        mDragImageIndex = 0;
        return;
    }
    DrawImage(design, surface, mDragImageIndex, RasterOp::White);
    // Released within the dead zone, the image still lands here: its areas come along.
    MoveAreasWithImage(design, surface, mDragImageIndex, left - image.Left, top - image.Top);
    image.Left = left;
    image.Top = top;
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
    ForgetOtherDesign();
    if (!DrawingPolygon() && !mDrawSeveral) {
        mDrawMode = false;
    }
}

void DesignMouse::DoubleClick(int button, float x, float y) {
    ForgetOtherDesign();
    // The pair's first press did what a press does; the second one starts nothing.
    if (mSession.LoadingSection() || button != kLeftButton || !DrawingPolygon()) {
        return;
    }
    // The point is usually placed by the pair's first press already, and then taken once.
    try {
        AddPolygonPoint(x, y);
        ClosePolygon();
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    }
}

void DesignMouse::EnterDrawMode(int kind, AreaShapeKind shape) {
    ForgetOtherDesign();
    CancelPolygon();
    if (!DesignMayChange(mSession)) {
        return;
    }
    mDrawMode = true;
    mDrawKind = kind;
    mDrawShape = shape;
    mDrawSeveral = false;
}

void DesignMouse::DrawImageMap() {
    EnterDrawMode(kAreaClickable, AreaShapeKind::Rect);
}

void DesignMouse::DrawBalloon() {
    EnterDrawMode(kAreaBalloon, AreaShapeKind::Rect);
}

void DesignMouse::DrawCircle() {
    EnterDrawMode(kAreaClickable, AreaShapeKind::Circle);
}

void DesignMouse::DrawPolygon() {
    EnterDrawMode(kAreaClickable, AreaShapeKind::Polygon);
}

void DesignMouse::DrawSeveralAreas() {
    EnterDrawMode(kAreaClickable, AreaShapeKind::Rect);
    mDrawSeveral = mDrawMode;
}

void DesignMouse::StopDrawing() {
    mDrawMode = false;
    mDrawSeveral = false;
}

void DesignMouse::PerformRightClick() {
    const std::string link = mSession.Design().CurrentClickableArea->LinkAddress;
    mNavigation.FollowLink(link);
}

void DesignMouse::ReportFailure(const std::exception& failure) {
    mSession.GetDialogs().Message(failure.what(), "", MessageIcon::Critical);
}

}  // namespace htmlsim
