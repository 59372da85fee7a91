#pragma once

#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ImageSurface.h"
#include "session/DesignMouse.h"
#include "session/SurfaceKeyboard.h"
#include "surface/BrowserScale.h"
#include "surface/ScaledPointer.h"
#include "surface/SurfaceLayout.h"

namespace htmlsim::gui {

// The drawing surface: shows the surface's bitmap and outlines at their true pixel size.
// Mouse and drop handling are added on top of it by the editor.
class PalletWidget : public QWidget {
    Q_OBJECT
  public:
    PalletWidget(const ImageSurface& content, QWidget* parent);

    // The mouse behaviour the surface's mouse events go to; none by default.
    void SetMouse(DesignMouse* mouse) { mMouse = mouse; }
    // Where the paths of files dropped on the surface go, in the order dropped. The surface
    // takes file drops once it has one.
    using FileDrop = std::function<void(const std::vector<std::string>& paths)>;
    void SetFileDrop(FileDrop drop);
    // Where the surface's keys go (arrows, Delete, Tab, Escape, Enter); the surface takes the focus
    // on a click once it has a handler.
    using KeyHandler = std::function<void(SurfaceKey key, KeyModifiers modifiers)>;
    void SetKeyHandler(KeyHandler handler);
    // Shows the page's canvases at the scale the browser draws them, and takes the mouse's
    // points back to picture pixels; none (the default) shows every picture at its own pixels.
    using ScaleView = std::function<std::optional<BrowserScaleView>()>;
    void SetScaleView(ScaleView view);
    bool ShowsBrowserScale() const { return static_cast<bool>(mScaleView); }
    // Where a surface point of the press being handled lies on the widget.
    QPoint Shown(float x, float y) const;

  signals:
    // The pointer is over the surface at this page point, or has left it.
    void pointerMoved(QPointF at);
    void pointerLeft();
    // A press, release or key has been handled: what is selected or drawn may have changed.
    void worked();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    std::optional<BrowserScaleView> ScaleViewNow() const;
    // The picture point a press, or a move or release, at a view point stands for.
    ViewPoint PressAt(QPointF at);
    ViewPoint PictureAt(QPointF at) const;

    const ImageSurface& mContent;
    DesignMouse* mMouse = nullptr;
    ScaleView mScaleView;
    ScaledPointer mPointer;
    FileDrop mFileDrop;
    KeyHandler mKeys;
};

// The "Image Design" tab's content: a window (`pctContainer`) onto a surface (`pctPallet`)
// that is larger than the window and is scrolled under it with `VScroll1` and `HScroll1`.
class DesignSurface : public QWidget {
    Q_OBJECT
  public:
    // The scroll bars' settings; the scrolling formula works for any range.
    static constexpr int kScrollMaximum = 100;
    static constexpr int kScrollSmallStep = 5;
    static constexpr int kScrollLargeStep = 20;

    explicit DesignSurface(QWidget* parent = nullptr);

    // What the core paints into: the bitmap and outlines shown on `pctPallet`.
    ImageSurface& Canvas() { return mCanvas; }
    const ImageSurface& Canvas() const { return mCanvas; }

    QWidget* pctContainer() const { return mContainer; }
    PalletWidget* pctPallet() const { return mPallet; }
    QScrollBar* VScroll1() const { return mVScroll; }
    QScrollBar* HScroll1() const { return mHScroll; }

    // Arranges the window, surface and bars for the widget's size (the size of the tab page).
    void LayoutTab();
    // Both bars back to their minimum: the surface's top left corner in the window's.
    void ScrollHome();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void HScroll1_Scroll();
    void VScroll1_Scroll();
    TabMetrics Metrics() const;

    ImageSurface mCanvas;
    QWidget* mContainer;
    PalletWidget* mPallet;
    QScrollBar* mVScroll;
    QScrollBar* mHScroll;
    ImageDesignLayout mLayout;
};

}  // namespace htmlsim::gui
