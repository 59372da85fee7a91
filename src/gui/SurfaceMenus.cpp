#include "SurfaceMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "DesignSurface.h"
#include "QtText.h"
#include "session/DesignInteraction.h"

namespace htmlsim::gui {

SurfaceMenus::SurfaceMenus(QWidget& pallet)
    : mPallet(pallet), mChooser([](QMenu& menu, const QPoint& at) {
          const QAction* chosen = menu.exec(at);
          return chosen ? chosen->objectName() : QString();
      }) {}

void SurfaceMenus::ShowPopupMenu(const PopupMenu& menu, float x, float y) {
    QMenu shown(&mPallet);
    shown.setObjectName(ToQString(menu.name));
    shown.setTitle(ToQString(menu.caption));
    for (const MenuItem& item : menu.items) {
        if (item.IsSeparator()) {
            shown.addSeparator();
            continue;
        }
        QAction* action = shown.addAction(ToQString(item.caption));
        action->setObjectName(ToQString(item.name));
        action->setVisible(item.visible);
        action->setEnabled(item.enabled);
    }
    // On a canvas shown at the browser's scale the pointer is not at the surface point.
    auto* pallet = qobject_cast<PalletWidget*>(&mPallet);
    const QPoint at =
        pallet ? pallet->Shown(x, y) : QPoint(static_cast<int>(x), static_cast<int>(y));
    const QString chosen = mChooser(shown, mPallet.mapToGlobal(at));
    if (!chosen.isEmpty() && mInteraction) {
        mInteraction->RunCommand(FromQString(chosen));
    }
}

void SurfaceMenus::RepaintSurface() {
    mPallet.update();
}

}  // namespace htmlsim::gui
