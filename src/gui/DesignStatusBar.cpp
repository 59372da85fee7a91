#include "DesignStatusBar.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "AfterEachAction.h"
#include "DesignSurface.h"
#include "QtText.h"
#include "session/DesignInteraction.h"
#include "surface/PointerReport.h"

namespace htmlsim::gui {

void AddDesignStatusBar(QMainWindow& window, PalletWidget& pallet, DesignInteraction& interaction) {
    QStatusBar* bar = window.statusBar();
    auto* pointer = new QLabel(bar);
    pointer->setObjectName("lblPointer");
    auto* selection = new QLabel(bar);
    selection->setObjectName("lblSelection");
    bar->addWidget(pointer, 1);
    bar->addPermanentWidget(selection);

    QObject::connect(
        &pallet, &PalletWidget::pointerMoved, pointer, [pointer, &interaction](QPointF at) {
            Session& session = interaction.GetSession();
            pointer->setText(ShownText(DescribePoint(session.Design(), static_cast<float>(at.x()),
                                                     static_cast<float>(at.y())),
                                       session.Codec()));
        });
    QObject::connect(&pallet, &PalletWidget::pointerLeft, pointer, &QLabel::clear);
    auto showSelection = [selection, &interaction] {
        const ClickableAreaPtr area = interaction.Selection().Selected();
        selection->setText(
            area ? ShownText(DescribeSelection(*area), interaction.GetSession().Codec())
                 : QString());
    };
    QObject::connect(&pallet, &PalletWidget::worked, selection, showSelection);
    // A command of a menu, the toolbar or a key may show another page (or undo the selected
    // area away): its selection lapses, and so does what the bar says of it.
    CallAfterEachAction(*selection, showSelection);
}

}  // namespace htmlsim::gui
