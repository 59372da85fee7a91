#include "DesignSurface.h"

#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <optional>
#include "QtText.h"

namespace htmlsim::gui {

namespace {

QScrollBar* MakeScrollBar(Qt::Orientation orientation, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setRange(0, DesignSurface::kScrollMaximum);
    bar->setSingleStep(DesignSurface::kScrollSmallStep);
    bar->setPageStep(DesignSurface::kScrollLargeStep);
    return bar;
}

QRect InPixels(const LayoutRect& twips, const TabMetrics& metrics) {
    return QRect(twips.left / metrics.twipsPerPixelX, twips.top / metrics.twipsPerPixelY,
                 twips.width / metrics.twipsPerPixelX, twips.height / metrics.twipsPerPixelY);
}

}  // namespace

PalletWidget::PalletWidget(const ImageSurface& content, QWidget* parent)
    : QWidget(parent), mContent(content) {
    setObjectName("pctPallet");
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The pointer's place is followed without a button too: a click acts where it lies.
    setMouseTracking(true);
}

void PalletWidget::SetScaleView(ScaleView view) {
    mScaleView = std::move(view);
    mPointer.Release();
    update();
}

std::optional<BrowserScaleView> PalletWidget::ScaleViewNow() const {
    return mScaleView ? mScaleView() : std::nullopt;
}

void PalletWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const std::optional<BrowserScaleView> scaled = ScaleViewNow();
    mContent.Render(painter, event->rect(), scaled ? &*scaled : nullptr);
}

namespace {

// The surface's button numbers: 1 left, 2 right, 4 middle, OR-ed for the buttons held.
int ButtonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? kLeftButton : 0) |
           (buttons & Qt::RightButton ? kRightButton : 0) |
           (buttons & Qt::MiddleButton ? kMiddleButton : 0);
}

ViewPoint ViewPointOf(QPointF at) {
    return {static_cast<float>(at.x()), static_cast<float>(at.y())};
}

}  // namespace

ViewPoint PalletWidget::PressAt(QPointF at) {
    const std::optional<BrowserScaleView> scaled = ScaleViewNow();
    const ViewPoint view = ViewPointOf(at);
    return mPointer.Press(scaled ? scaled->At(view) : CanvasScaling{}, view);
}

QPoint PalletWidget::Shown(float x, float y) const {
    const ViewPoint shown = mPointer.Shown(ViewPoint{x, y});
    return QPointF(shown.X, shown.Y).toPoint();
}

ViewPoint PalletWidget::PictureAt(QPointF at) const {
    const ViewPoint view = ViewPointOf(at);
    if (mPointer.Pressed()) {
        return mPointer.Follow(view);
    }
    const std::optional<BrowserScaleView> scaled = ScaleViewNow();
    return scaled ? scaled->At(view).ToPicture(view) : view;
}

void PalletWidget::mousePressEvent(QMouseEvent* event) {
    const ViewPoint at = PressAt(event->position());
    if (mMouse) {
        mMouse->MouseDown(ButtonCode(event->button()), at.X, at.Y);
        // A picture's place is in page pixels: dragging it moves it as far as the pointer goes.
        if (mMouse->DragImageIndex() != 0 && !mMouse->DrawMode() && !mMouse->HoldsArea()) {
            mPointer.MovePicture();
        }
    }
    emit worked();
}

void PalletWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const ViewPoint at = PressAt(event->position());
    if (mMouse) {
        mMouse->DoubleClick(ButtonCode(event->button()), at.X, at.Y);
    }
    emit worked();
}

void PalletWidget::mouseMoveEvent(QMouseEvent* event) {
    // A release that went elsewhere (to a pop-up menu) has ended the press all the same.
    if (event->buttons() == Qt::NoButton) {
        mPointer.Release();
    }
    const ViewPoint at = PictureAt(event->position());
    if (mMouse) {
        mMouse->MouseMove(ButtonCode(event->buttons()), at.X, at.Y);
    }
    emit pointerMoved(QPointF(at.X, at.Y));
}

void PalletWidget::mouseReleaseEvent(QMouseEvent* event) {
    const ViewPoint at = PictureAt(event->position());
    if (event->buttons() == Qt::NoButton) {
        mPointer.Release();
    }
    if (mMouse) {
        mMouse->MouseUp(ButtonCode(event->button()), at.X, at.Y);
        if (event->button() == Qt::LeftButton) {
            mMouse->Click();
        }
    }
    emit worked();
}

void PalletWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit pointerLeft();
}

void PalletWidget::SetKeyHandler(KeyHandler handler) {
    mKeys = std::move(handler);
    setFocusPolicy(mKeys ? Qt::StrongFocus : Qt::NoFocus);
}

namespace {

std::optional<SurfaceKey> SurfaceKeyOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return SurfaceKey::Left;
        case Qt::Key_Right:
            return SurfaceKey::Right;
        case Qt::Key_Up:
            return SurfaceKey::Up;
        case Qt::Key_Down:
            return SurfaceKey::Down;
        case Qt::Key_Delete:
            return SurfaceKey::Delete;
        case Qt::Key_Tab:
            return SurfaceKey::Tab;
        case Qt::Key_Backtab:
            return SurfaceKey::BackTab;
        case Qt::Key_Escape:
            return SurfaceKey::Escape;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return SurfaceKey::Enter;
        default:
            return std::nullopt;
    }
}

}  // namespace

bool PalletWidget::event(QEvent* event) {
    // Tab steps through the areas here instead of moving the focus to the next widget.
    if (mKeys && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QWidget::event(event);
}

void PalletWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<SurfaceKey> key = SurfaceKeyOf(event->key());
    if (!mKeys || !key) {
        QWidget::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers held = event->modifiers();
    mKeys(*key, KeyModifiers{held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::ControlModifier)});
    emit worked();
}

namespace {

std::vector<std::string> DroppedFiles(const QMimeData* data) {
    std::vector<std::string> paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths.push_back(FromQPath(url.toLocalFile()));
        }
    }
    return paths;
}

}  // namespace

void PalletWidget::SetFileDrop(FileDrop drop) {
    mFileDrop = std::move(drop);
    setAcceptDrops(static_cast<bool>(mFileDrop));
}

void PalletWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (mFileDrop && !DroppedFiles(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void PalletWidget::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = DroppedFiles(event->mimeData());
    if (mFileDrop && !paths.empty()) {
        event->acceptProposedAction();
        // After the drop has ended, so the file manager is not held while dialogs are open.
        QMetaObject::invokeMethod(
            this, [this, paths] { mFileDrop(paths); }, Qt::QueuedConnection);
    }
}

DesignSurface::DesignSurface(QWidget* parent)
    : QWidget(parent),
      mContainer(new QWidget(this)),
      mPallet(new PalletWidget(mCanvas, mContainer)),
      mVScroll(MakeScrollBar(Qt::Vertical, this)),
      mHScroll(MakeScrollBar(Qt::Horizontal, this)) {
    mContainer->setObjectName("pctContainer");
    mContainer->setAutoFillBackground(true);
    QPalette background = mContainer->palette();
    background.setColor(QPalette::Window, QColor(255, 224, 192));
    mContainer->setPalette(background);
    mVScroll->setObjectName("VScroll1");
    mHScroll->setObjectName("HScroll1");
    mPallet->move(0, 0);

    // Dragging the thumb, the arrows and the track all change the value.
    connect(mHScroll, &QScrollBar::valueChanged, this, &DesignSurface::HScroll1_Scroll);
    connect(mVScroll, &QScrollBar::valueChanged, this, &DesignSurface::VScroll1_Scroll);
    // A scaled canvas shows a change elsewhere than where it lies in picture pixels.
    mCanvas.SetChangeHandler([this](const QRect& rect) {
        if (mPallet->ShowsBrowserScale()) {
            mPallet->update();
        } else {
            mPallet->update(rect);
        }
    });
}

TabMetrics DesignSurface::Metrics() const {
    TabMetrics metrics;
    metrics.tabWidth = width();
    metrics.tabHeight = height();
    // The tab page already lies below the tab strip.
    metrics.tabStripHeight = 0;
    metrics.twipsPerPixelX = TwipsPerPixel(logicalDpiX());
    metrics.twipsPerPixelY = TwipsPerPixel(logicalDpiY());
    return metrics;
}

void DesignSurface::LayoutTab() {
    const TabMetrics metrics = Metrics();
    mVScroll->setVisible(true);
    mHScroll->setVisible(true);
    mLayout = LayoutImageDesignTab(metrics, mVScroll->sizeHint().width() * metrics.twipsPerPixelX,
                                   mHScroll->sizeHint().height() * metrics.twipsPerPixelY);
    mContainer->setGeometry(InPixels(mLayout.container, metrics));
    mPallet->resize(mLayout.palletWidth, mLayout.palletHeight);
    mVScroll->setGeometry(InPixels(mLayout.vScroll, metrics));
    mHScroll->setGeometry(InPixels(mLayout.hScroll, metrics));
    HScroll1_Scroll();
    VScroll1_Scroll();
}

void DesignSurface::ScrollHome() {
    mHScroll->setValue(mHScroll->minimum());
    mVScroll->setValue(mVScroll->minimum());
}

void DesignSurface::HScroll1_Scroll() {
    const TabMetrics metrics = Metrics();
    mPallet->move(
        ScrolledOffset(mHScroll->value(), mHScroll->minimum(), mHScroll->maximum(),
                       mLayout.palletWidth, mLayout.container.width, metrics.twipsPerPixelX),
        mPallet->y());
}

void DesignSurface::VScroll1_Scroll() {
    const TabMetrics metrics = Metrics();
    mPallet->move(mPallet->x(), ScrolledOffset(mVScroll->value(), mVScroll->minimum(),
                                               mVScroll->maximum(), mLayout.palletHeight,
                                               mLayout.container.height, metrics.twipsPerPixelY));
}

void DesignSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutTab();
}

void DesignSurface::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    LayoutTab();
}

}  // namespace htmlsim::gui
