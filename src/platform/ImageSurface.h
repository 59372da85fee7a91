#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>
#include <map>
#include <optional>

#include "model/AreaShape.h"
#include "services/Surface.h"
#include "surface/BrowserScale.h"
#include "text/DocumentCodec.h"

class QPainter;

namespace htmlsim {

// The design surface's content: one persistent bitmap that pictures are painted into, and the
// numbered outlines lying over it: rectangles, or circles and polygons within their rectangles. The
// editor's widget shows it and the command line renders it, so both draw the same pixels.
//
// The bitmap starts empty (white) and grows to hold what is painted, up to kMaxSide pixels a
// side; painting beyond that is cut off.
class ImageSurface : public Surface {
  public:
    static constexpr int kMaxSide = 8192;

    struct Outline {
        QRect rect;
        bool visible = true;
        AreaOutline shape;  // a rectangle unless ShapeOutline made it a circle or polygon
        std::optional<BalloonLook> balloon;  // set by DressBalloon
    };

    void PaintPicture(const Picture* picture, int left, int top, int width, int height,
                      RasterOp op) override;
    void ClearPicture() override;
    void SetPageBackground(std::optional<SurfaceColor> color) override;
    void ShowOutline(int index, int left, int top, int width, int height) override;
    void HideOutline(int index) override;
    void UnloadOutline(int index) override;
    void ShapeOutline(int index, const AreaOutline& shape) override;
    void DressBalloon(int index, const BalloonLook& look) override;
    void HighlightOutline(int index) override;

    // The loaded outlines by index, hidden ones included.
    const std::map<int, Outline>& Outlines() const { return mOutlines; }
    // The highlighted outline's index, -1 for none.
    int Highlighted() const { return mHighlighted; }

    // The smallest size from the origin that holds every picture painted since the last clear
    // and every visible outline.
    QSize Extent() const;

    // Draws the bitmap and then the visible outlines; `area` limits the work to what is exposed.
    // With a scale view, canvases and their areas are drawn at the scale the browser shows.
    void Render(QPainter& painter, const QRect& area,
                const BrowserScaleView* scaled = nullptr) const;
    // The surface as a picture of at least `minimum` size and at least its extent.
    QImage RenderImage(QSize minimum = {}, const BrowserScaleView* scaled = nullptr) const;

    // Called with the rectangle that changed, so a widget can repaint just that.
    void SetChangeHandler(std::function<void(const QRect&)> handler) {
        mChanged = std::move(handler);
    }

    // Balloon contents are document bytes, shown through the document's codec; without one
    // (a surface nobody attached to a document) they are taken as UTF-8.
    void ShowTextWith(const DocumentCodec& codec) { mCodec = &codec; }

    // A balloon as a browser shows it: its rounded box filled with its colour, its content laid
    // out as rich text in the browser's default font, cut off at the box.
    void DrawBalloon(QPainter& painter, const QRect& rect, const BalloonLook& look) const;
    // What an outline looks like: a dashed dark and light line, visible on any picture.
    static void DrawOutline(QPainter& painter, const QRect& rect);
    static void DrawOutline(QPainter& painter, const Outline& outline);
    // The selected outline: a double line in the selection colour with a dark line inside it,
    // so it stands out on light and dark pictures alike.
    static void DrawHighlightedOutline(QPainter& painter, const QRect& rect);
    static void DrawHighlightedOutline(QPainter& painter, const Outline& outline);
    static constexpr QRgb kHighlightColor = 0xFFFF8000;
    // The selected outline's handles: white squares edged in black.
    static void DrawHandles(QPainter& painter, const Outline& outline);

  private:
    void DrawScaledCanvas(QPainter& painter, const ScaledCanvas& canvas) const;
    void GrowToHold(const QRect& rect);
    void Changed(const QRect& rect) const;
    void EndHighlightOf(int index);

    QImage mBitmap;  // transparent where nothing was painted, so the page's background shows
    QColor mBackground = Qt::white;
    QRect mPainted;  // union of the pictures painted since the last clear
    std::map<int, Outline> mOutlines;
    int mHighlighted = -1;
    std::function<void(const QRect&)> mChanged;
    const DocumentCodec* mCodec = nullptr;
};

}  // namespace htmlsim
