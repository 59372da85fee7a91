#pragma once

#include <QDialog>
#include <QPushButton>

namespace htmlsim::gui {

// "Cancel" ("cmdCancel"), which leaves the dialog as Escape does: rejected, so that its caller
// puts back everything the dialog changed since it opened.
inline QPushButton* CancelButton(QDialog& dialog) {
    auto* cancel = new QPushButton("Cancel", &dialog);
    cancel->setObjectName("cmdCancel");
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return cancel;
}

}  // namespace htmlsim::gui
