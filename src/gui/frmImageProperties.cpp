#include "frmImageProperties.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "CancelButton.h"
#include "InvalidMark.h"
#include "QtText.h"
#include "SuggestingCombo.h"

namespace htmlsim::gui {

namespace {

QLineEdit* Box(const char* name, const std::string& text, QWidget* parent) {
    auto* box = new QLineEdit(ToQString(text), parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

// The controls are filled before any handler is connected, so opening changes nothing.
frmImageProperties::frmImageProperties(ImagePropertiesModel& model, QWidget* parent)
    : QDialog(parent), mModel(model) {
    setObjectName("frmImageProperties");
    setWindowTitle("Image Properties");
    auto* types = new QGroupBox("Link Type", this);
    auto* typeLayout = new QVBoxLayout(types);
    const char* captions[] = {"None", "Hyper Link", "Image Mapping", "Java Controlled Canvas"};
    for (int type = 0; type < 4; ++type) {
        mTypes[type] = new QRadioButton(captions[type], types);
        mTypes[type]->setObjectName(QString("optImageType%1").arg(type));
        typeLayout->addWidget(mTypes[type]);
    }
    const int current = model.ImageType();
    mTypes[current >= 0 && current < 4 ? current : 0]->setChecked(true);

    mLeft = Box("txtLeft", model.Left(), this);
    mTop = Box("txtTop", model.Top(), this);
    auto* position = new QFormLayout;
    position->addRow("Left", mLeft);
    position->addRow("Top", mTop);

    mMap = new QGroupBox("Image Map", this);
    mMap->setObjectName("fraMap");
    auto* mapName = Box("txtMapName", model.MapName(), mMap);
    (new QFormLayout(mMap))->addRow("Map Name", mapName);

    mLink = new QGroupBox("Link", this);
    mLink->setObjectName("fraLink");
    mHREF = new QComboBox(mLink);
    mHREF->setObjectName("cboHREF");
    mHREF->setEditable(true);
    mHREF->setInsertPolicy(QComboBox::NoInsert);
    OfferEntriesAsSuggestions(*mHREF);
    for (const std::string& link : model.LinkList()) {
        mHREF->addItem(ToQString(link));
    }
    mHREF->setEditText(ToQString(model.HREF()));
    auto* title = Box("txtTitle", model.Title(), mLink);
    auto* linkForm = new QFormLayout(mLink);
    linkForm->addRow("Link Address", mHREF);
    linkForm->addRow("Title", title);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(types);
    layout->addLayout(position);
    layout->addWidget(mMap);
    layout->addWidget(mLink);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(CancelButton(*this));
    layout->addLayout(buttons);
    ShowFrames();

    for (int type = 0; type < 4; ++type) {
        connect(mTypes[type], &QRadioButton::clicked, this, [this, type] {
            mModel.TypeChosen(type);
            ShowFrames();
        });
    }
    connect(mHREF, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { mModel.HREFChanged(FromQString(text)); });
    connect(title, &QLineEdit::textEdited, this,
            [this](const QString& text) { mModel.TitleChanged(FromQString(text)); });
    connect(mapName, &QLineEdit::textEdited, this,
            [this](const QString& text) { mModel.MapNameChanged(FromQString(text)); });
    connect(mLeft, &QLineEdit::textEdited, this, [this](const QString& text) {
        mModel.LeftChanged(FromQString(text));
        MarkInvalid(mLeft, !mModel.LeftValid());
    });
    connect(mTop, &QLineEdit::textEdited, this, [this](const QString& text) {
        mModel.TopChanged(FromQString(text));
        MarkInvalid(mTop, !mModel.TopValid());
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void frmImageProperties::ShowFrames() {
    mLink->setVisible(mModel.LinkFrameVisible());
    mMap->setVisible(mModel.MapFrameVisible());
}

}  // namespace htmlsim::gui
