#include "frmBalloonProperties.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CancelButton.h"
#include "QtText.h"
#include "ReadOnlyLook.h"

namespace htmlsim::gui {

frmBalloonProperties::frmBalloonProperties(BalloonPropertiesModel& model, QWidget* parent)
    : QDialog(parent), mInnerHTML(new QPlainTextEdit(this)), mBackgroundColor(new QLineEdit(this)) {
    setObjectName("frmBalloonProperties");
    setWindowTitle("Options");
    mInnerHTML->setObjectName("txtInnerHTML");
    mInnerHTML->setPlainText(ToQString(model.InnerHTML()));
    mBackgroundColor->setObjectName("txtBackgroundColor");
    mBackgroundColor->setText(ToQString(model.BackgroundColor()));
    // The colour is changed in the document text; here it is only shown.
    ShowReadOnly(*mBackgroundColor);

    auto* form = new QFormLayout;
    form->addRow("InnerHTML", mInnerHTML);
    form->addRow("Background-Color", mBackgroundColor);
    // The sample pictures have nothing to show: they are left out.
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(CancelButton(*this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    // The raw text: plain text would turn no-break spaces into spaces.
    connect(mInnerHTML, &QPlainTextEdit::textChanged, this, [this, &model] {
        model.InnerHTMLChanged(FromQtRawText(mInnerHTML->document()->toRawText()));
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace htmlsim::gui
