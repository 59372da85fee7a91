#include "frmAreaProperties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "CancelButton.h"
#include "InvalidMark.h"
#include "QtText.h"
#include "SuggestingCombo.h"

namespace htmlsim::gui {

namespace {

QStringList ToQt(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) {
        list << ToQString(item);
    }
    return list;
}

QComboBox* EditableCombo(const char* name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    OfferEntriesAsSuggestions(*combo);
    return combo;
}

}  // namespace

frmAreaProperties::frmAreaProperties(AreaPropertiesModel& model, QWidget* parent)
    : QDialog(parent), mModel(model) {
    setObjectName("frmAreaProperties");
    setWindowTitle("Clickable Area Properties");
    auto* form = new QFormLayout;
    mName = EditableCombo("cboName", this);
    form->addRow("Name", mName);
    const char* names[] = {"txtLeft", "txtTop", "txtWidth", "txtHeight"};
    const char* labels[] = {"Left", "Top", "Width", "Height"};
    for (int box = 0; box < kAreaBoxCount; ++box) {
        mBoxes[box] = new QLineEdit(this);
        mBoxes[box]->setObjectName(names[box]);
        form->addRow(labels[box], mBoxes[box]);
        connect(mBoxes[box], &QLineEdit::textEdited, this, [this, box](const QString& text) {
            mModel.Boxes[box] = FromQString(text);
            MarkBox(static_cast<AreaBox>(box));
        });
    }
    mTitle = new QLineEdit(this);
    mTitle->setObjectName("txtTitle");
    form->addRow("Title", mTitle);
    mLinkable = new QCheckBox("Linkable", this);
    mLinkable->setObjectName("chkLinkable");
    form->addRow(mLinkable);
    auto* linkRow = new QHBoxLayout;
    mLinkAddress = EditableCombo("cboLinkAddress", this);
    mLinkAddress->setMinimumContentsLength(30);
    auto* open = new QPushButton("...", this);
    open->setObjectName("cmdOpen");
    linkRow->addWidget(mLinkAddress, 1);
    linkRow->addWidget(open);
    form->addRow("Link Address", linkRow);

    mCanvas = new QGroupBox("Click Type", this);
    mCanvas->setObjectName("fraCanvas");
    auto* clickTypes = new QHBoxLayout(mCanvas);
    mLeft = new QRadioButton("Left", mCanvas);
    mLeft->setObjectName("optLeft");
    mRight = new QRadioButton("Right", mCanvas);
    mRight->setObjectName("optRight");
    clickTypes->addWidget(mLeft);
    clickTypes->addWidget(mRight);

    auto* buttons = new QHBoxLayout;
    mSave = new QPushButton("Save", this);
    mSave->setObjectName("cmdSave");
    mApply = new QPushButton("Apply", this);
    mApply->setObjectName("cmdApply");
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    buttons->addWidget(mSave);
    buttons->addStretch();
    buttons->addWidget(mApply);
    buttons->addWidget(ok);
    buttons->addWidget(CancelButton(*this));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    if (mModel.CanvasFrameVisible) {
        KeepOnlyWhatTheCanvasStores(*layout);
    }
    layout->addWidget(mCanvas);
    layout->addLayout(buttons);

    mLinkAddress->addItems(ToQt(mModel.LinkList));
    ShowModel();

    connect(mName, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { mModel.Name = FromQString(text); });
    connect(mName, &QComboBox::activated, this, [this](int index) {
        mModel.Name = FromQString(mName->itemText(index));
        mModel.NameChosen();
        ShowModel();
    });
    connect(mTitle, &QLineEdit::textEdited, this,
            [this](const QString& text) { mModel.Title = FromQString(text); });
    connect(mLinkable, &QCheckBox::clicked, this, [this](bool checked) {
        mModel.Linkable = checked;
        mModel.LinkableClicked();
        mLinkAddress->setEnabled(mModel.LinkAddressEnabled);
    });
    connect(mLinkAddress, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { mModel.LinkAddress = FromQString(text); });
    connect(mRight, &QRadioButton::toggled, this, [this](bool on) { mModel.RightClick = on; });
    connect(open, &QPushButton::clicked, this, [this] {
        mModel.Browse();
        ShowModel();
    });
    connect(mSave, &QPushButton::clicked, this, [this] {
        mModel.Save();
        ShowModel();
    });
    connect(mApply, &QPushButton::clicked, this, [this] {
        mModel.Apply();
        ShowModel();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (mModel.Apply()) {
            accept();
        }
    });
}

// Filling the controls must not write back into the model.
void frmAreaProperties::ShowModel() {
    const QSignalBlocker nameBlock(mName);
    const QSignalBlocker linkBlock(mLinkAddress);
    mName->clear();
    mName->addItems(ToQt(mModel.NameList));
    mName->setEditText(ToQString(mModel.Name));
    for (int box = 0; box < kAreaBoxCount; ++box) {
        mBoxes[box]->setText(ToQString(mModel.Boxes[box]));
        MarkBox(static_cast<AreaBox>(box));
    }
    mTitle->setText(ToQString(mModel.Title));
    mLinkable->setChecked(mModel.Linkable);
    mLinkAddress->setEnabled(mModel.LinkAddressEnabled);
    mLinkAddress->setEditText(ToQString(mModel.LinkAddress));
    mCanvas->setVisible(mModel.CanvasFrameVisible);
    const QSignalBlocker rightBlock(mRight);
    (mModel.RightClick ? mRight : mLeft)->setChecked(true);
}

// The canvas script stores an area's place, link and click type; a Name or Title typed here
// would be gone at the next save.
void frmAreaProperties::KeepOnlyWhatTheCanvasStores(QVBoxLayout& layout) {
    mName->setEnabled(false);
    mTitle->setEnabled(false);
    auto* why = new QLabel(
        "A canvas area keeps only its place, link and click type: Name and Title are not stored.",
        this);
    why->setObjectName("lblCanvasKeeps");
    why->setWordWrap(true);
    layout.addWidget(why);
}

void frmAreaProperties::MarkBox(AreaBox box) {
    MarkInvalid(mBoxes[box], !mModel.IsValid(box));
}

}  // namespace htmlsim::gui
