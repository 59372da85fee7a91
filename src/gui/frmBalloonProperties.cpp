#include "frmBalloonProperties.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "QtText.h"

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
    mBackgroundColor->setReadOnly(true);

    auto* form = new QFormLayout;
    form->addRow("InnerHTML", mInnerHTML);
    form->addRow("Background-Color", mBackgroundColor);
    auto* samples = new QHBoxLayout;
    for (const char* caption : {"Sample 2", "Sample 3", "Sample 4"}) {
        auto* frame = new QGroupBox(caption, this);
        auto* picture = new QLabel(frame);
        picture->setObjectName("picOptions");
        picture->setMinimumSize(80, 50);
        (new QVBoxLayout(frame))->addWidget(picture);
        samples->addWidget(frame);
    }
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(samples);
    layout->addWidget(ok, 0, Qt::AlignRight);

    // The raw text: plain text would turn no-break spaces into spaces.
    connect(mInnerHTML, &QPlainTextEdit::textChanged, this, [this, &model] {
        model.InnerHTMLChanged(FromQtRawText(mInnerHTML->document()->toRawText()));
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace htmlsim::gui
