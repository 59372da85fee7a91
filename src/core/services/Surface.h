#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace htmlsim {

class Picture;
struct AreaOutline;

struct SurfaceColor {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    bool operator==(const SurfaceColor&) const = default;
};

// A balloon as the page shows it: its background (none where the page's CSS has none it
// understands), its corner radius in pixels and its content as HTML.
struct BalloonLook {
    std::optional<SurfaceColor> Background;
    int Radius = 0;
    std::string Html;
};

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
    // The page's background colour as its style sheets give it, shown where no picture lies
    // (none: white). A surface nobody sees ignores it.
    virtual void SetPageBackground(std::optional<SurfaceColor> color) { (void)color; }

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
    // Outline element `index`, just shown, is a balloon: drawn filled with its look, until it
    // is shown anew. A surface that draws outlines only ignores it.
    virtual void DressBalloon(int index, const BalloonLook& look) {
        (void)index;
        (void)look;
    }
    // Marks outline element `index` as the selected one (-1: none); a surface nobody sees
    // ignores it. Hiding or unloading the element ends the mark.
    virtual void HighlightOutline(int index) { (void)index; }
};

}  // namespace htmlsim
