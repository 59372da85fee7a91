#pragma once

#include <QGraphicsRectItem>
#include <functional>

#include "linkcheck/LinkReport.h"

namespace htmlsim::gui {

// One page on the flow map: a small picture of its first image over its name, framed in the
// colour of its state. Double-clicking it asks for the page to be opened.
class FlowMapNode : public QGraphicsRectItem {
  public:
    static constexpr qreal kWidth = 150;
    static constexpr qreal kHeight = 116;

    FlowMapNode(const FlowPage& page, bool hasProblems, size_t index);

    size_t PageIndex() const { return mIndex; }
    std::function<void(size_t page)> Opened;

  protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

  private:
    size_t mIndex;
};

}  // namespace htmlsim::gui
