#pragma once

namespace htmlsim {

// A control's place in its parent.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const LayoutRect&) const = default;
};

// What the tab layouts start from: the tab control's size and the height of its tab strip in
// pixels, and the twips per pixel of the screen.
struct TabMetrics {
    int tabWidth = 0;
    int tabHeight = 0;
    int tabStripHeight = 0;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

// The "Image Design" tab: the visible window onto the surface and its two scroll bars in twips,
// and the surface itself in pixels, larger than the window so that it can be scrolled.
struct ImageDesignLayout {
    LayoutRect container;
    int palletWidth = 0;
    int palletHeight = 0;
    LayoutRect vScroll;
    LayoutRect hScroll;
};

// The scroll bars keep their own thickness (`vScrollWidth`, `hScrollHeight`, in twips).
ImageDesignLayout LayoutImageDesignTab(const TabMetrics& tab, int vScrollWidth, int hScrollHeight);

// The "Document Editor" tab: the text box's place in twips below the section chooser.
LayoutRect LayoutDocumentEditorTab(const TabMetrics& tab, int sectionsTop, int sectionsHeight);

// 1440 twips make an inch; rounded to a whole number as the layouts use it.
int TwipsPerPixel(double logicalDotsPerInch);

// Where the surface lies in its window along one axis (pixels, 0 or negative): the scroll
// bar's value is the fraction of the part of the surface that does not fit in the window.
int ScrolledOffset(int value, int minimum, int maximum, int palletLength, int containerTwips,
                   int twipsPerPixel);

}  // namespace htmlsim
