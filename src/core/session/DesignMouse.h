#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "session/AreaDrag.h"
#include "session/Navigation.h"
#include "session/Session.h"
#include "surface/PopupMenus.h"
#include "util/SecondsClock.h"

namespace htmlsim {

// Mouse buttons as the surface reports them; a move reports the buttons held, OR-ed.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// A press released within this many seconds is a click on the image, not a drag.
inline constexpr double kClickSeconds = 0.3;
// The pointer must leave this many pixels (horizontal plus vertical) around the grab point
// before a pressed image moves.
inline constexpr float kDragDeadZone = 4.0f;

// What the mouse asks of the window that shows the surface.
class DesignMouseView {
  public:
    virtual ~DesignMouseView() = default;
    // Shows a pop-up menu at the pointer, surface coordinates.
    virtual void ShowPopupMenu(const PopupMenu& menu, float x, float y) = 0;
    // The surface's bitmap changed in the middle of a drag: show it now.
    virtual void RepaintSurface() {}
    // A press landed on this area or balloon, or on none (nullptr); a new drawing counts too.
    virtual void AreaPressed(const ClickableAreaPtr& area) { (void)area; }
    // The area or balloon selected now, whose handles a left press may take; nullptr for none.
    virtual ClickableAreaPtr SelectedArea() const { return nullptr; }
};

// The mouse on the design surface: drawing a new area or balloon on an image, dragging an image
// (an image map takes its areas along), clicking an image as a visitor of the page would, and
// the pop-up menus of the right button. Works on the session's design and writes it back into
// the document when a drawing or a drag ends.
class DesignMouse {
  public:
    DesignMouse(Session& session, Navigation& navigation, DesignMouseView& view,
                SecondsClock clock = SteadySeconds);

    void MouseDown(int button, float x, float y);
    void MouseMove(int buttons, float x, float y);
    void MouseUp(int button, float x, float y);
    // The click that follows a left release: it ends the drawing mode, unless a polygon is
    // being drawn.
    void Click();
    // A double click: it places the last point of a polygon being drawn and closes it; it
    // starts nothing otherwise, as its first press has already done its work.
    void DoubleClick(int button, float x, float y);

    // The image menu's commands: the next left press draws one area, or one balloon, on the
    // image the menu was opened on. A circle is dragged from its centre; a polygon takes a point
    // at each press until it is closed. None while the design may not change (DesignGate.h).
    void DrawImageMap();
    void DrawBalloon();
    void DrawCircle();
    void DrawPolygon();
    // Like "Draw an Image Map", but every left drag draws another area until StopDrawing (the
    // surface's Escape) or a right press; a press released where it began draws nothing.
    void DrawSeveralAreas();
    bool DrawingSeveral() const { return mDrawMode && mDrawSeveral; }
    void StopDrawing();
    // Ends the polygon being drawn: closed, it is written (with fewer than three points it is
    // dropped, as is a cancelled one).
    void ClosePolygon();
    void CancelPolygon();
    bool DrawingPolygon() const;
    // The area menu's command: follows the link of the area the menu was opened on.
    void PerformRightClick();

    bool DrawMode() const { return mDrawMode && OnCurrentDesign(); }
    int DrawKind() const { return mDrawKind; }
    AreaShapeKind DrawShape() const { return mDrawShape; }
    int16_t DragImageIndex() const { return OnCurrentDesign() ? mDragImageIndex : 0; }
    // The press went to the selected area's handles or inside it, not to its image.
    bool HoldsArea() const { return mAreaDrag.Holding(); }
    float GrabOffsetX() const { return mGrabOffsetX; }
    float GrabOffsetY() const { return mGrabOffsetY; }
    double PressTime() const { return mPressTime; }
    float LastMouseX() const { return mLastMouseX; }
    float LastMouseY() const { return mLastMouseY; }

  private:
    bool OnCurrentDesign() const { return mDesignBuild == mSession.DesignBuild(); }
    // A design read anew (another page, an undo, a tab switch) ends what was held on the old one.
    void ForgetOtherDesign();
    void EnterDrawMode(int kind, AreaShapeKind shape);
    void RightPress(float x, float y);
    void StartDrawing(float x, float y);
    void PressImage(float x, float y);
    void ResizeDrawing(float x, float y);
    void AddPolygonPoint(float x, float y);
    // The polygon's points so far and, while the pointer moves, the point under it.
    void FollowPolygon(std::vector<ShapePoint> points);
    void EndPolygon();
    // Takes an area being drawn off the page again.
    void DropDrawnArea(const ClickableAreaPtr& area);
    void DragImage(float x, float y);
    void DropImage(float x, float y);
    void ClickImage(int button);
    // The area a click with this button on the image reaches, where the image has areas.
    ClickableAreaPtr ClickedArea(const ImageProperties& image, int button);
    void ReportFailure(const std::exception& failure);

    Session& mSession;
    Navigation& mNavigation;
    DesignMouseView& mView;
    SecondsClock mClock;
    unsigned mDesignBuild = 0;  // the design the state below was taken on

    bool mDrawMode = false;
    int mDrawKind = kAreaClickable;
    AreaShapeKind mDrawShape = AreaShapeKind::Rect;
    bool mDrawSeveral = false;
    bool mDrawingMoved = false;  // the pointer left the press point of the area being drawn
    AreaDrag mAreaDrag;
    ShapePoint mDrawOrigin;
    ClickableAreaPtr mPolygonArea;  // while a polygon is drawn
    std::vector<ShapePoint> mPolygonPoints;
    int16_t mDragImageIndex = 0;
    float mGrabOffsetX = 0;
    float mGrabOffsetY = 0;
    double mPressTime = 0;
    float mLastMouseX = 0;
    float mLastMouseY = 0;
};

}  // namespace htmlsim
