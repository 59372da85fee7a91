#include "ImageSurface.h"

#include <QPainter>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "QtPictures.h"
#include "QtText.h"
#include "surface/AreaHandles.h"

namespace htmlsim {

namespace {

const QRect kMaxBitmap(0, 0, ImageSurface::kMaxSide, ImageSurface::kMaxSide);

// Grows in steps so that pictures added one by one do not copy the bitmap each time.
int RoundUpToStep(int length) {
    constexpr int kStep = 256;
    return std::min(ImageSurface::kMaxSide, (length + kStep - 1) / kStep * kStep);
}

// An outline covers its left and top pixel and ends one pixel before left + width.
QRect OutlineRect(int left, int top, int width, int height) {
    return QRect(left, top, std::max(width, 1), std::max(height, 1));
}

bool IsShaped(const AreaOutline& shape) {
    return shape.Kind == AreaShapeKind::Circle || shape.Kind == AreaShapeKind::Polygon;
}

// The pixels an outline may cover: a circle or polygon runs through its points, up to
// left + width, and its highlight is wider than one pixel.
QRect PaintedRect(const ImageSurface::Outline& outline) {
    return IsShaped(outline.shape) ? outline.rect.adjusted(-1, -1, 2, 2) : outline.rect;
}

// A browser's default text size, which a balloon's content has unless it sets another.
constexpr int kBrowserTextPixels = 16;

// A handle square reaches this far beyond its outline's rectangle.
constexpr int kHandleMargin = kHandleSide / 2 + 1;

// An outline where the browser shows it on a scaled canvas.
ImageSurface::Outline ScaledOutline(ImageSurface::Outline outline, const CanvasScaling& scaling) {
    const QRect& r = outline.rect;
    const ShapeBox box = scaling.ToView(ShapeBox{r.x(), r.y(), r.width(), r.height()});
    outline.rect = QRect(box.Left, box.Top, box.Width, box.Height);
    for (ShapePoint& point : outline.shape.Points) {
        const ViewPoint shown =
            scaling.ToView(ViewPoint{static_cast<float>(point.X), static_cast<float>(point.Y)});
        point = {static_cast<int32_t>(std::lround(shown.X)),
                 static_cast<int32_t>(std::lround(shown.Y))};
    }
    outline.shape.Radius = static_cast<int32_t>(std::lround(outline.shape.Radius * scaling.Scale));
    return outline;
}

// Strokes the circle or polygon with the painter's pen.
void StrokeShape(QPainter& painter, const AreaOutline& shape) {
    if (shape.Kind == AreaShapeKind::Circle) {
        const ShapePoint centre = shape.Points.front();
        painter.drawEllipse(QPoint(centre.X, centre.Y), shape.Radius, shape.Radius);
        return;
    }
    QPolygon polygon;
    for (const ShapePoint& point : shape.Points) {
        polygon << QPoint(point.X, point.Y);
    }
    painter.drawPolygon(polygon);
}

}  // namespace

void ImageSurface::PaintPicture(const Picture* picture, int left, int top, int width, int height,
                                RasterOp op) {
    const QRect target = QRect(left, top, width, height).intersected(kMaxBitmap);
    if (target.isEmpty() || (op == RasterOp::Copy && picture == nullptr)) {
        return;
    }
    if (op == RasterOp::White) {
        // Erased, the page's background (white unless its style sheets say otherwise) shows
        // through; beyond the bitmap it does already.
        if (!mBitmap.isNull()) {
            QPainter painter(&mBitmap);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(target, Qt::transparent);
        }
    } else {
        const QImage& image = PictureImage(*picture);
        if (image.isNull()) {
            return;
        }
        GrowToHold(target);
        QPainter painter(&mBitmap);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(left, top, width, height), image);
        mPainted = mPainted.united(target);
    }
    Changed(target);
}

void ImageSurface::ClearPicture() {
    const QRect old(QPoint(0, 0), mBitmap.size());
    mBitmap = QImage();
    mPainted = QRect();
    Changed(old);
}

void ImageSurface::SetPageBackground(std::optional<SurfaceColor> color) {
    const QColor background = color ? QColor(color->Red, color->Green, color->Blue) : Qt::white;
    if (background != mBackground) {
        mBackground = background;
        Changed(kMaxBitmap);
    }
}

void ImageSurface::ShowOutline(int index, int left, int top, int width, int height) {
    Outline& outline = mOutlines[index];
    const QRect old = PaintedRect(outline);
    outline.rect = OutlineRect(left, top, width, height);
    outline.shape = AreaOutline{};
    outline.balloon.reset();
    outline.visible = true;
    Changed(old.united(outline.rect));
}

void ImageSurface::ShapeOutline(int index, const AreaOutline& shape) {
    const auto found = mOutlines.find(index);
    if (found != mOutlines.end()) {
        found->second.shape = shape;
        Changed(PaintedRect(found->second));
    }
}

void ImageSurface::DressBalloon(int index, const BalloonLook& look) {
    const auto found = mOutlines.find(index);
    if (found != mOutlines.end()) {
        found->second.balloon = look;
        Changed(PaintedRect(found->second));
    }
}

void ImageSurface::HideOutline(int index) {
    const auto found = mOutlines.find(index);
    if (found != mOutlines.end() && found->second.visible) {
        EndHighlightOf(index);
        found->second.visible = false;
        Changed(PaintedRect(found->second));
    }
}

void ImageSurface::UnloadOutline(int index) {
    const auto found = mOutlines.find(index);
    if (found != mOutlines.end()) {
        EndHighlightOf(index);
        const QRect old = PaintedRect(found->second);
        mOutlines.erase(found);
        Changed(old);
    }
}

void ImageSurface::HighlightOutline(int index) {
    const int old = mHighlighted;
    mHighlighted = index;
    for (const int changed : {old, index}) {
        const auto found = mOutlines.find(changed);
        if (found != mOutlines.end()) {
            Changed(PaintedRect(found->second));
        }
    }
}

void ImageSurface::EndHighlightOf(int index) {
    if (index == mHighlighted) {
        mHighlighted = -1;
    }
}

QSize ImageSurface::Extent() const {
    QRect all = mPainted;
    for (const auto& [index, outline] : mOutlines) {
        if (outline.visible) {
            all = all.united(PaintedRect(outline));
        }
    }
    return QSize(std::max(0, all.right() + 1), std::max(0, all.bottom() + 1));
}

void ImageSurface::Render(QPainter& painter, const QRect& area,
                          const BrowserScaleView* scaled) const {
    painter.fillRect(area, mBackground);
    if (!mBitmap.isNull()) {
        const QRect source = area.intersected(mBitmap.rect());
        painter.drawImage(source.topLeft(), mBitmap, source);
        if (scaled) {
            for (const ScaledCanvas& canvas : scaled->Canvases()) {
                DrawScaledCanvas(painter, canvas);
            }
        }
    }
    for (const auto& [index, outline] : mOutlines) {
        const Outline shown = scaled ? ScaledOutline(outline, scaled->ForOutline(index)) : outline;
        const QRect painted = PaintedRect(shown).adjusted(-kHandleMargin, -kHandleMargin,
                                                          kHandleMargin, kHandleMargin);
        if (shown.visible && painted.intersects(area)) {
            if (shown.balloon) {
                DrawBalloon(painter, shown.rect, *shown.balloon);
            }
            if (index == mHighlighted) {
                DrawHighlightedOutline(painter, shown);
                DrawHandles(painter, shown);
            } else {
                DrawOutline(painter, shown);
            }
        }
    }
}

void ImageSurface::DrawScaledCanvas(QPainter& painter, const ScaledCanvas& canvas) const {
    const ShapeBox& b = canvas.Box;
    const QRect box(b.Left, b.Top, b.Width, b.Height);
    const QRect source = box.intersected(mBitmap.rect());
    if (source.isEmpty()) {
        return;
    }
    const ViewPoint topLeft = canvas.Scaling.ToView(
        ViewPoint{static_cast<float>(source.left()), static_cast<float>(source.top())});
    const ViewPoint bottomRight =
        canvas.Scaling.ToView(ViewPoint{static_cast<float>(source.left() + source.width()),
                                        static_cast<float>(source.top() + source.height())});
    painter.save();
    // The canvas element keeps its size; what its script draws beyond it is cut off.
    painter.setClipRect(box, Qt::IntersectClip);
    painter.fillRect(box, mBackground);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(QPointF(topLeft.X, topLeft.Y), QPointF(bottomRight.X, bottomRight.Y)),
                      mBitmap, QRectF(source));
    painter.restore();
}

QImage ImageSurface::RenderImage(QSize minimum, const BrowserScaleView* scaled) const {
    const QSize size = Extent().expandedTo(minimum).expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    Render(painter, image.rect(), scaled);
    return image;
}

void ImageSurface::DrawBalloon(QPainter& painter, const QRect& rect,
                               const BalloonLook& look) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(rect);
    if (look.Background) {
        const SurfaceColor& c = *look.Background;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(c.Red, c.Green, c.Blue));
        painter.drawRoundedRect(rect, look.Radius, look.Radius);
    }
    QTextDocument content;
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(kBrowserTextPixels);
    content.setDefaultFont(font);
    content.setDocumentMargin(0);
    content.setHtml(mCodec ? ShownText(look.Html, *mCodec) : ToQString(look.Html));
    content.setTextWidth(rect.width());
    painter.translate(rect.topLeft());
    content.drawContents(&painter);
    painter.restore();
}

void ImageSurface::DrawOutline(QPainter& painter, const QRect& rect) {
    // QPainter draws a rectangle one pixel wider and higher than its size.
    const QRect edge = rect.adjusted(0, 0, -1, -1);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0, 0, 0), 0));
    painter.drawRect(edge);
    painter.setPen(QPen(QColor(255, 255, 0), 0, Qt::DashLine));
    painter.drawRect(edge);
    painter.restore();
}

void ImageSurface::DrawOutline(QPainter& painter, const Outline& outline) {
    if (!IsShaped(outline.shape)) {
        DrawOutline(painter, outline.rect);
        return;
    }
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0, 0, 0), 0));
    StrokeShape(painter, outline.shape);
    painter.setPen(QPen(QColor(255, 255, 0), 0, Qt::DashLine));
    StrokeShape(painter, outline.shape);
    painter.restore();
}

void ImageSurface::DrawHighlightedOutline(QPainter& painter, const Outline& outline) {
    if (!IsShaped(outline.shape)) {
        DrawHighlightedOutline(painter, outline.rect);
        return;
    }
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(kHighlightColor), 3));
    StrokeShape(painter, outline.shape);
    painter.setPen(QPen(QColor(0, 0, 0), 0));
    StrokeShape(painter, outline.shape);
    painter.restore();
}

void ImageSurface::DrawHandles(QPainter& painter, const Outline& outline) {
    const QRect& r = outline.rect;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0, 0, 0), 0));
    painter.setBrush(QColor(255, 255, 255));
    for (const AreaHandle& handle :
         HandlesOf({r.x(), r.y(), r.width(), r.height()}, outline.shape)) {
        // QPainter draws a rectangle one pixel wider and higher than its size.
        painter.drawRect(handle.At.X - kHandleSide / 2, handle.At.Y - kHandleSide / 2,
                         kHandleSide - 1, kHandleSide - 1);
    }
    painter.restore();
}

void ImageSurface::DrawHighlightedOutline(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(kHighlightColor), 0));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
    painter.setPen(QPen(QColor(0, 0, 0), 0));
    painter.drawRect(rect.adjusted(2, 2, -3, -3));
    painter.restore();
}

void ImageSurface::GrowToHold(const QRect& rect) {
    const QSize needed(rect.right() + 1, rect.bottom() + 1);
    if (!mBitmap.isNull() && mBitmap.width() >= needed.width() &&
        mBitmap.height() >= needed.height()) {
        return;
    }
    const QSize size = needed.expandedTo(mBitmap.size());
    QImage grown(RoundUpToStep(size.width()), RoundUpToStep(size.height()),
                 QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    if (!mBitmap.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, mBitmap);
    }
    mBitmap = std::move(grown);
}

void ImageSurface::Changed(const QRect& rect) const {
    // The selected outline's handles stand out of its rectangle.
    if (mChanged && !rect.isEmpty()) {
        mChanged(rect.adjusted(-kHandleMargin, -kHandleMargin, kHandleMargin, kHandleMargin));
    }
}

}  // namespace htmlsim
