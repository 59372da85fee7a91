#include "ImageSurface.h"

#include <QPainter>
#include <algorithm>

#include "QtPictures.h"

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

}  // namespace

void ImageSurface::PaintPicture(const Picture* picture, int left, int top, int width, int height,
                                RasterOp op) {
    const QRect target = QRect(left, top, width, height).intersected(kMaxBitmap);
    if (target.isEmpty() || (op == RasterOp::Copy && picture == nullptr)) {
        return;
    }
    if (op == RasterOp::White) {
        // Beyond the bitmap everything is white already.
        if (!mBitmap.isNull()) {
            QPainter painter(&mBitmap);
            painter.fillRect(target, Qt::white);
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

void ImageSurface::ShowOutline(int index, int left, int top, int width, int height) {
    Outline& outline = mOutlines[index];
    const QRect old = outline.rect;
    outline.rect = OutlineRect(left, top, width, height);
    outline.visible = true;
    Changed(old.united(outline.rect));
}

void ImageSurface::HideOutline(int index) {
    const auto found = mOutlines.find(index);
    if (found != mOutlines.end() && found->second.visible) {
        EndHighlightOf(index);
        found->second.visible = false;
        Changed(found->second.rect);
    }
}

void ImageSurface::UnloadOutline(int index) {
    const auto found = mOutlines.find(index);
    if (found != mOutlines.end()) {
        EndHighlightOf(index);
        const QRect old = found->second.rect;
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
            Changed(found->second.rect);
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
            all = all.united(outline.rect);
        }
    }
    return QSize(std::max(0, all.right() + 1), std::max(0, all.bottom() + 1));
}

void ImageSurface::Render(QPainter& painter, const QRect& area) const {
    painter.fillRect(area, Qt::white);
    if (!mBitmap.isNull()) {
        const QRect source = area.intersected(mBitmap.rect());
        painter.drawImage(source.topLeft(), mBitmap, source);
    }
    for (const auto& [index, outline] : mOutlines) {
        if (outline.visible && outline.rect.intersects(area)) {
            if (index == mHighlighted) {
                DrawHighlightedOutline(painter, outline.rect);
            } else {
                DrawOutline(painter, outline.rect);
            }
        }
    }
}

QImage ImageSurface::RenderImage(QSize minimum) const {
    const QSize size = Extent().expandedTo(minimum).expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    Render(painter, image.rect());
    return image;
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
    QImage grown(RoundUpToStep(size.width()), RoundUpToStep(size.height()), QImage::Format_RGB32);
    grown.fill(Qt::white);
    if (!mBitmap.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, mBitmap);
    }
    mBitmap = std::move(grown);
}

void ImageSurface::Changed(const QRect& rect) const {
    if (mChanged && !rect.isEmpty()) {
        mChanged(rect);
    }
}

}  // namespace htmlsim
