#include "dlgRecordPages.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "QtText.h"
#include "record/RecordingIndicator.h"
#include "services/Dialogs.h"
#include "session/Session.h"

namespace htmlsim::gui {

dlgRecordPages::dlgRecordPages(QWidget* owner, Dialogs& dialogs, const std::string& startFolder)
    : QDialog(owner) {
    setWindowTitle("Record Pages");
    setObjectName("dlgRecordPages");
    auto* layout = new QVBoxLayout(this);
    mWholeScreen = new QRadioButton("The whole screen");
    mWindow = new QRadioButton("One window (click it after Start)");
    mRegion = new QRadioButton("A region:");
    mWholeScreen->setChecked(true);
    layout->addWidget(mWholeScreen);
    layout->addWidget(mWindow);
    auto* region = new QHBoxLayout;
    region->addWidget(mRegion);
    const char* const names[] = {"X", "Y", "Width", "Height"};
    for (int k = 0; k < 4; ++k) {
        mRegionBox[k] = new QSpinBox;
        mRegionBox[k]->setRange(k < 2 ? 0 : 1, 32767);
        mRegionBox[k]->setValue(k < 2 ? 0 : 800);
        mRegionBox[k]->setAccessibleName(names[k]);
        mRegionBox[k]->setPrefix(QString(names[k]) + " ");
        region->addWidget(mRegionBox[k]);
    }
    layout->addLayout(region);

    auto* form = new QFormLayout;
    mFolder = new QLineEdit(ToQPath(startFolder));
    mFolder->setObjectName("txtFolder");
    auto* browse = new QPushButton("...");
    connect(browse, &QPushButton::clicked, this, [this, &dialogs] {
        const std::string chosen =
            dialogs.BrowseForFolder("Folder for the recorded pages", Folder());
        if (!chosen.empty()) {
            mFolder->setText(ToQPath(chosen));
        }
    });
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(mFolder);
    folderRow->addWidget(browse);
    form->addRow("Folder:", folderRow);
    mPrefix = new QLineEdit("page");
    mPrefix->setObjectName("txtPrefix");
    form->addRow("Page names start with:", mPrefix);
    layout->addLayout(form);
    mKeys = new QCheckBox("Record typed text");
    layout->addWidget(mKeys);
    auto* warning = new QLabel(
        "Typed text is kept as it is typed: a password typed into a field that does not say it "
        "is a password field would be recorded too.");
    warning->setWordWrap(true);
    layout->addWidget(warning);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton* start = buttons->addButton("Start", QDialogButtonBox::AcceptRole);
    start->setObjectName("cmdStart");
    start->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::string dlgRecordPages::Folder() const {
    return FromQPath(mFolder->text());
}

std::string dlgRecordPages::Prefix() const {
    return FromQPath(mPrefix->text());
}

bool dlgRecordPages::PickWindow() const {
    return mWindow->isChecked();
}

record::RecorderOptions dlgRecordPages::Options() const {
    record::RecorderOptions options;
    if (mRegion->isChecked()) {
        options.region = QRect(mRegionBox[0]->value(), mRegionBox[1]->value(),
                               mRegionBox[2]->value(), mRegionBox[3]->value());
    }
    options.keys = mKeys->isChecked();
    return options;
}

void RecordPagesCommand(Session& session, QWidget* window) {
    dlgRecordPages dialog(window, session.GetDialogs(), session.PathOnly());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::string first =
        RecordWithIndicator(session.GetDialogs(), dialog.Folder(), dialog.Prefix(),
                            dialog.Options(), dialog.PickWindow());
    if (!first.empty()) {
        session.OpenRecentDocument(first);
    }
}

}  // namespace htmlsim::gui
