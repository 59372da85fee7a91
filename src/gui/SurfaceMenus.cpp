#include "SurfaceMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

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
    const QString chosen =
        mChooser(shown, mPallet.mapToGlobal(QPoint(static_cast<int>(x), static_cast<int>(y))));
    if (!chosen.isEmpty() && mInteraction) {
        mInteraction->RunCommand(FromQString(chosen));
    }
}

void SurfaceMenus::RepaintSurface() {
    mPallet.update();
}

}  // namespace htmlsim::gui
