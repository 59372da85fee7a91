#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

#include "surface/PageControls.h"

class QWidget;

namespace htmlsim {

class PageControlWidget;

// Shows the page's anchors, inputs and labels on the design surface: one widget for each
// loaded element, placed where the host keeps the element.
class PageControlViews : public QObject {
    Q_OBJECT
  public:
    PageControlViews(PageControls& controls, QWidget* surface);
    ~PageControlViews() override;

    // The widget of an element, or nullptr when the element is not loaded.
    PageControlWidget* AnchorView(int index) const { return Find(mAnchors, index); }
    PageControlWidget* InputView(int index) const { return Find(mInputs, index); }
    PageControlWidget* LabelView(int index) const { return Find(mLabels, index); }

  private:
    using Views = std::vector<QPointer<PageControlWidget>>;

    template <typename Control, typename Widget>
    void Bind(ControlArray<Control>& array, Views& views);
    static PageControlWidget* Find(const Views& views, int index);

    PageControls& mControls;
    QWidget* mSurface;
    Views mAnchors;
    Views mInputs;
    Views mLabels;
};

}  // namespace htmlsim
