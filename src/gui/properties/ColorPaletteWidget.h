#pragma once

#include <QWidget>
#include <cstddef>

#include "controls/PaletteLayout.h"

namespace htmlsim::gui {

// The palette of the CSS colours (pctColor): each colour a cell filled with it and labelled
// with its name, in columns as high as the palette.
class ColorPaletteWidget : public QWidget {
    Q_OBJECT
  public:
    explicit ColorPaletteWidget(QWidget* parent = nullptr);

    const PaletteLayout& Layout() const { return mLayout; }

  signals:
    // A left click on a colour (an index into CssColors()).
    void ColorClicked(size_t color);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    PaletteLayout mLayout;
};

}  // namespace htmlsim::gui
