#include "surface/SurfaceLayout.h"

#include <algorithm>
#include <cmath>

namespace htmlsim {

namespace {

int Rounded(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

ImageDesignLayout LayoutImageDesignTab(const TabMetrics& tab, int vScrollWidth, int hScrollHeight) {
    ImageDesignLayout layout;
    LayoutRect& container = layout.container;
    container.top = Rounded(tab.tabStripHeight * 1.5 * tab.twipsPerPixelY);
    container.width = std::max(0, tab.tabWidth * tab.twipsPerPixelX - vScrollWidth);
    container.height =
        std::max(0, tab.tabHeight * tab.twipsPerPixelY - hScrollHeight - container.top);

    layout.palletWidth = Rounded(container.width * 1.2 / tab.twipsPerPixelX);
    layout.palletHeight = Rounded(container.height * 2.5 / tab.twipsPerPixelY);

    layout.vScroll = {container.left + container.width, container.top, vScrollWidth,
                      container.height};
    layout.hScroll = {0, container.top + container.height, container.width, hScrollHeight};
    return layout;
}

LayoutRect LayoutDocumentEditorTab(const TabMetrics& tab, int sectionsTop, int sectionsHeight) {
    LayoutRect text;
    text.left = 10;
    text.top = Rounded(sectionsTop + 1.5 * sectionsHeight);
    text.width = tab.tabWidth * tab.twipsPerPixelX - 20;
    text.height = std::max(10, tab.tabHeight * tab.twipsPerPixelY - text.top - 10);
    return text;
}

int TwipsPerPixel(double logicalDotsPerInch) {
    return logicalDotsPerInch > 0 ? std::max(1, Rounded(1440.0 / logicalDotsPerInch)) : 15;
}

int ScrolledOffset(int value, int minimum, int maximum, int palletLength, int containerTwips,
                   int twipsPerPixel) {
    if (maximum == minimum) {
        return 0;  // a bar without a range cannot move the surface
    }
    const double fraction = static_cast<double>(value) / (maximum - minimum);
    const double hidden = palletLength - static_cast<double>(containerTwips) / twipsPerPixel;
    return Rounded(-fraction * hidden);
}

}  // namespace htmlsim
