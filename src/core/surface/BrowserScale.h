#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/AreaShape.h"
#include "model/PageDesign.h"

namespace htmlsim {

// The scale a browser draws the page's canvases at: the last plain positive number the page
// assigns to `mScale`, the support script's assignment counting first (it is loaded in the
// head, before the page's own scripts). 1 when neither assigns one that can be read.
double PageCanvasScale(std::string_view supportScript, std::string_view documentText);
// The support script a page in `folder` (ending with "/") loads: the one there, which its user
// may have edited, else the one the program writes there.
std::string SupportScriptIn(const std::string& folder);

struct ViewPoint {
    float X = 0;
    float Y = 0;
    bool operator==(const ViewPoint&) const = default;
};

// How a canvas's picture pixels lie in the browser: drawn from the canvas's top left corner,
// every distance from it multiplied by `Scale`. The identity for everything else on the page.
struct CanvasScaling {
    float OriginX = 0;
    float OriginY = 0;
    double Scale = 1;

    ViewPoint ToView(ViewPoint picture) const;
    ViewPoint ToPicture(ViewPoint view) const;
    // The box the picture box is drawn in, its edges rounded to whole view pixels.
    ShapeBox ToView(const ShapeBox& picture) const;
    bool operator==(const CanvasScaling&) const = default;
};

// One canvas of the page: its element's box (which the browser does not scale) and how its
// picture is drawn inside it.
struct ScaledCanvas {
    int16_t ImageIndex = 0;
    ShapeBox Box;
    CanvasScaling Scaling;
};

// The page as the browser shows it: every canvas scaled, the rest at its own pixels.
class BrowserScaleView {
  public:
    BrowserScaleView(const PageDesign& design, double scale);

    const std::vector<ScaledCanvas>& Canvases() const { return mCanvases; }
    // The scaling under a view point: that of the first canvas whose box holds it (edges
    // excluded, the order the surface's hit test uses), else the identity.
    CanvasScaling At(ViewPoint view) const;
    // The scaling of outline `index`: its canvas's for an area on a canvas, else the identity
    // (balloons are page elements, which the canvas script does not scale).
    CanvasScaling ForOutline(int index) const;

  private:
    const PageDesign& mDesign;
    std::vector<ScaledCanvas> mCanvases;
};

}  // namespace htmlsim
