#include "frmRecoverWork.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "QtText.h"
#include "frmRecoveryDifference.h"

namespace htmlsim::gui {

namespace {

enum Column { kDocument, kKeptAt, kLines, kNote, kColumnCount };

QString DocumentName(const RecoveryRecord& record) {
    const QString path = ToQPath(record.Address());
    if (record.path.empty()) {
        return "New document";
    }
    return record.path.back() == '/' ? "New document in " + path : path;
}

QString LinesText(const RecoverableCopy& copy) {
    if (copy.record.remote) {
        return "on the server";
    }
    return QString("+%1 \u2212%2").arg(copy.changes.added).arg(copy.changes.removed);
}

QString NoteText(const RecoverableCopy& copy) {
    if (copy.originalChanged) {
        return copy.original ? "The file has changed since this copy was made."
                             : "The file is gone since this copy was made.";
    }
    if (copy.record.remote) {
        return "Opening it connects to the server again.";
    }
    return copy.record.original ? "" : "Never saved.";
}

QPushButton* AddButton(QHBoxLayout& row, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    row.addWidget(button);
    return button;
}

}  // namespace

frmRecoverWork::frmRecoverWork(std::vector<RecoverableCopy> copies, RecoveryChoices choices,
                               QWidget* parent)
    : QDialog(parent), mCopies(std::move(copies)), mChoices(std::move(choices)) {
    setObjectName("frmRecoverWork");
    setWindowTitle("Recover unsaved work");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        "These documents had changes that were not saved when an editor ended.\n"
        "Choose for each: Open it to save it, look at the difference, delete it, or decide later.",
        this));
    mTable = new QTableWidget(static_cast<int>(mCopies.size()), kColumnCount, this);
    mTable->setObjectName("tblCopies");
    mTable->setHorizontalHeaderLabels({"Document", "Kept at", "Lines", "Note"});
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->verticalHeader()->hide();
    mTable->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < mTable->rowCount(); ++row) {
        FillRow(row, mCopies[static_cast<size_t>(row)]);
    }
    mTable->resizeColumnsToContents();
    mTable->selectRow(0);
    layout->addWidget(mTable);

    auto* buttons = new QHBoxLayout;
    connect(AddButton(*buttons, "cmdOpen", "Open"), &QPushButton::clicked, this,
            &frmRecoverWork::OpenChosen);
    connect(AddButton(*buttons, "cmdShowDifference", "Show difference"), &QPushButton::clicked,
            this, &frmRecoverWork::ShowDifferenceOfChosen);
    connect(AddButton(*buttons, "cmdDelete", "Delete"), &QPushButton::clicked, this,
            &frmRecoverWork::DeleteChosen);
    connect(AddButton(*buttons, "cmdLater", "Later"), &QPushButton::clicked, this,
            &frmRecoverWork::PutOffChosen);
    layout->addLayout(buttons);
    resize(760, 320);
}

void frmRecoverWork::FillRow(int row, const RecoverableCopy& copy) {
    const QString texts[kColumnCount] = {
        DocumentName(copy.record),
        QDateTime::fromSecsSinceEpoch(copy.record.savedAtSeconds).toString("yyyy-MM-dd HH:mm:ss"),
        LinesText(copy),
        NoteText(copy),
    };
    for (int column = 0; column < kColumnCount; ++column) {
        mTable->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
}

QString frmRecoverWork::RowText(int row) const {
    QStringList texts;
    for (int column = 0; column < kColumnCount; ++column) {
        texts << mTable->item(row, column)->text();
    }
    return texts.join(" | ");
}

void frmRecoverWork::OpenChosen() {
    const int row = mTable->currentRow();
    if (row < 0) {
        return;
    }
    const RecoverableCopy copy = mCopies[static_cast<size_t>(row)];
    mCopies.erase(mCopies.begin() + row);
    // The rest waits for the next start; the document opens once the offer is gone.
    accept();
    mChoices.open(copy);
}

void frmRecoverWork::ShowDifferenceOfChosen() {
    const int row = mTable->currentRow();
    if (row >= 0) {
        ShowRecoveryDifference(mCopies[static_cast<size_t>(row)], this);
    }
}

void frmRecoverWork::DeleteChosen() {
    Decide(mChoices.remove);
}

void frmRecoverWork::PutOffChosen() {
    Decide(mChoices.putOff);
}

void frmRecoverWork::Decide(const std::function<void(const RecoverableCopy&)>& choice) {
    const int row = mTable->currentRow();
    if (row < 0) {
        return;
    }
    choice(mCopies[static_cast<size_t>(row)]);
    mCopies.erase(mCopies.begin() + row);
    mTable->removeRow(row);
    if (mCopies.empty()) {
        accept();
    } else {
        mTable->selectRow(std::min(row, mTable->rowCount() - 1));
    }
}

void frmRecoverWork::done(int result) {
    for (const auto& copy : mCopies) {
        mChoices.putOff(copy);
    }
    mCopies.clear();
    QDialog::done(result);
}

}  // namespace htmlsim::gui
