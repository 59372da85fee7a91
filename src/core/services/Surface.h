#pragma once

namespace htmlsim {

class Picture;
struct AreaOutline;

// How a picture is put onto the surface's persistent bitmap: painted, or its rectangle filled
// white (how an image is erased before it moves).
enum class RasterOp { Copy, White };

// The design surface as the core sees it: a persistent bitmap that pictures are painted into,
// and numbered outlines (one per clickable area or balloon) lying over it.
class Surface {
  public:
    virtual ~Surface() = default;

    // Stretch-paints the whole picture into the rectangle (Copy), or fills the rectangle white
    // (White). A null picture leaves the bitmap unchanged for Copy.
    virtual void PaintPicture(const Picture* picture, int left, int top, int width, int height,
                              RasterOp op) = 0;
    // The persistent bitmap becomes plain white.
    virtual void ClearPicture() = 0;

    // Outline element `index`: shown at a rectangle, hidden (kept for reuse), or removed.
    virtual void ShowOutline(int index, int left, int top, int width, int height) = 0;
    virtual void HideOutline(int index) = 0;
    virtual void UnloadOutline(int index) = 0;
    // Outline element `index`, just shown, drawn along a circle or polygon (page coordinates,
    // within its rectangle) instead of its rectangle, until it is shown anew. A surface that
    // draws rectangles only ignores it.
    virtual void ShapeOutline(int index, const AreaOutline& outline) {
        (void)index;
        (void)outline;
    }
    // Marks outline element `index` as the selected one (-1: none); a surface nobody sees
    // ignores it. Hiding or unloading the element ends the mark.
    virtual void HighlightOutline(int index) { (void)index; }
};

}  // namespace htmlsim
