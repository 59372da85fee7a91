#include "ImportMessagesDialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include "QtText.h"

namespace htmlsim::gui {

namespace {

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

void ShowImportMessagesDialog(QWidget* owner, const std::vector<CollectedMessage>& messages) {
    QDialog dialog(owner);
    dialog.setWindowTitle(QApplication::applicationName());
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QObject::tr("Reading the document gave these messages:")));
    auto* table = new QTableWidget(static_cast<int>(messages.size()), 3, &dialog);
    table->setObjectName("importMessages");
    table->setHorizontalHeaderLabels(
        {QObject::tr("Message"), QObject::tr("Count"), QObject::tr("First line")});
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int row = 0; row < static_cast<int>(messages.size()); ++row) {
        const CollectedMessage& message = messages[static_cast<size_t>(row)];
        table->setItem(row, 0, Cell(ToQString(message.text)));
        table->setItem(row, 1, Cell(QString::number(message.count), Qt::AlignRight));
        table->setItem(row, 2, Cell(QString::number(message.firstLine), Qt::AlignRight));
    }
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.resize(640, 320);
    dialog.exec();
}

}  // namespace htmlsim::gui
