#include "controls/PageControlViews.h"

#include <QTimer>
#include <QWidget>

#include "QtText.h"
#include "controls/DocumentPropertiesDialog.h"
#include "controls/InputWidget.h"
#include "controls/PropertiesDialog.h"
#include "controls/TextControlWidget.h"

namespace htmlsim {

namespace {

// Anchors and inputs have a properties dialog; labels do not.
template <typename Control>
concept HasProperties = requires(Control& control, PropertiesDialog& dialog) {
    control.ShowProperties(dialog);
};

}  // namespace

PageControlViews::PageControlViews(PageControls& controls, const DocumentCodec& codec,
                                   QWidget* surface)
    : QObject(surface), mControls(controls), mCodec(codec), mSurface(surface) {
    Bind<Anchor, TextControlWidget>(mControls.Anchor1, mAnchors);
    Bind<Input, InputWidget>(mControls.Input1, mInputs);
    Bind<Label, TextControlWidget>(mControls.Label1, mLabels);
}

PageControlViews::~PageControlViews() {
    for (auto* array : {&mControls.Anchor1.ElementLoaded, &mControls.Input1.ElementLoaded,
                        &mControls.Label1.ElementLoaded, &mControls.Anchor1.ElementUnloaded,
                        &mControls.Input1.ElementUnloaded, &mControls.Label1.ElementUnloaded,
                        &mControls.Anchor1.PlacementChanged, &mControls.Input1.PlacementChanged,
                        &mControls.Label1.PlacementChanged}) {
        *array = nullptr;
    }
    for (Views* views : {&mAnchors, &mInputs, &mLabels}) {
        for (const auto& view : *views) {
            delete view.data();
        }
    }
}

template <typename Control, typename Widget>
void PageControlViews::Bind(ControlArray<Control>& array, Views& views) {
    auto load = [this, &array, &views](int index) {
        if (static_cast<int>(views.size()) <= index) {
            views.resize(index + 1);
        }
        auto* widget = new Widget(array[index], mCodec, mSurface);
        widget->setObjectName(ToQString(array.Name()) + "_" + QString::number(index));
        widget->ApplyPlacement(array.Placement(index));
        OfferProperties(array[index], *widget);
        // Later: the removal reads the page in again, which deletes this very widget.
        widget->SetRemoveCommand([this, name = array.Name(), index] {
            QTimer::singleShot(0, this, [this, name, index] {
                if (mRemove) {
                    mRemove(name, index);
                }
            });
        });
        views[index] = widget;
    };
    array.ElementLoaded = load;
    array.ElementUnloaded = [&views](int index) {
        if (index < static_cast<int>(views.size())) {
            delete views[index].data();
            views[index] = nullptr;
        }
    };
    array.PlacementChanged = [&array, &views](int index) {
        if (index < static_cast<int>(views.size()) && views[index]) {
            views[index]->ApplyPlacement(array.Placement(index));
        }
    };
    for (int index = 0; index < array.LoadedBound(); ++index) {
        if (array.IsLoaded(index)) {
            load(index);
        }
    }
}

void PageControlViews::SetPropertiesDialog(PropertiesDialog* dialog) {
    mPropertiesDialog = dialog;
    OfferPropertiesToAll(mControls.Anchor1, mAnchors);
    OfferPropertiesToAll(mControls.Input1, mInputs);
    OfferPropertiesToAll(mControls.Label1, mLabels);
}

template <typename Control>
void PageControlViews::OfferProperties(Control& control, PageControlWidget& widget) const {
    if constexpr (HasProperties<Control>) {
        std::function<void()> command;
        if (mPropertiesDialog) {
            command = [&control, dialog = mPropertiesDialog, &codec = mCodec] {
                DocumentPropertiesDialog shown(*dialog, codec);
                control.ShowProperties(shown);
            };
        }
        widget.SetPropertiesCommand(std::move(command));
    }
}

template <typename Control>
void PageControlViews::OfferPropertiesToAll(ControlArray<Control>& array,
                                            const Views& views) const {
    for (int index = 0; index < static_cast<int>(views.size()); ++index) {
        if (views[index]) {
            OfferProperties(array[index], *views[index]);
        }
    }
}

PageControlWidget* PageControlViews::Find(const Views& views, int index) {
    return index >= 0 && index < static_cast<int>(views.size()) ? views[index].data() : nullptr;
}

}  // namespace htmlsim
