#include "HiddenWindows.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <QApplication>
#include <cstdlib>

namespace htmlsim::gui {

HiddenWindows::HiddenWindows() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            mHidden.push_back(widget);
            widget->hide();
        }
    }
}

HiddenWindows::~HiddenWindows() {
    for (const QPointer<QWidget>& widget : mHidden) {
        if (widget) {
            widget->show();
        }
    }
}

void SyncWithServer() {
    QCoreApplication::processEvents();
    if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t* connection = x11->connection();
        free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
}

}  // namespace htmlsim::gui
