#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

#include "surface/PageControls.h"
#include "text/DocumentCodec.h"

class QWidget;

namespace htmlsim {

class PageControlWidget;
class PropertiesDialog;

// Shows the page's anchors, inputs and labels on the design surface: one widget for each
// loaded element, placed where the host keeps the element.
class PageControlViews : public QObject {
    Q_OBJECT
  public:
    // The widgets show the controls' texts through the document's codec.
    PageControlViews(PageControls& controls, const DocumentCodec& codec, QWidget* surface);
    ~PageControlViews() override;

    // The widget of an element, or nullptr when the element is not loaded.
    PageControlWidget* AnchorView(int index) const { return Find(mAnchors, index); }
    PageControlWidget* InputView(int index) const { return Find(mInputs, index); }
    PageControlWidget* LabelView(int index) const { return Find(mLabels, index); }
    // What "Remove" and the Delete key run on a control: its array's name and index.
    void SetRemoveCommand(std::function<void(const std::string&, int)> remove) {
        mRemove = std::move(remove);
    }

    // The dialog that the "Properties" item of the anchors' and inputs' menus opens (the
    // caller keeps it alive); without one the item stays disabled.
    void SetPropertiesDialog(PropertiesDialog* dialog);

  private:
    using Views = std::vector<QPointer<PageControlWidget>>;

    template <typename Control, typename Widget>
    void Bind(ControlArray<Control>& array, Views& views);
    template <typename Control>
    void OfferProperties(Control& control, PageControlWidget& widget) const;
    template <typename Control>
    void OfferPropertiesToAll(ControlArray<Control>& array, const Views& views) const;
    static PageControlWidget* Find(const Views& views, int index);

    PageControls& mControls;
    const DocumentCodec& mCodec;
    QWidget* mSurface;
    Views mAnchors;
    Views mInputs;
    Views mLabels;
    std::function<void(const std::string&, int)> mRemove;
    PropertiesDialog* mPropertiesDialog = nullptr;
};

}  // namespace htmlsim
