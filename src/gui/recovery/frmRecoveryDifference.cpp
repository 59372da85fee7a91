#include "frmRecoveryDifference.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "QtText.h"
#include "document/EditorText.h"
#include "recovery/RecoverableCopies.h"
#include "text/TextEncoding.h"

namespace htmlsim::gui {

namespace {

QString Shown(const std::string& line, const EditorEncoding& encoding) {
    return ToQString(ToEditorText(line, encoding));
}

QPlainTextEdit* SidePane(const char* name, QWidget* parent) {
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(name);
    pane->setReadOnly(true);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setFont(QFont("Courier New"));
    return pane;
}

// Fills the pane with one line per row and tints the rows that differ.
void Fill(QPlainTextEdit& pane, const QStringList& lines, const std::vector<bool>& marked,
          const QColor& tint) {
    pane.setPlainText(lines.join('\n'));
    QList<QTextEdit::ExtraSelection> selections;
    for (int row = 0; row < lines.size(); ++row) {
        if (!marked[static_cast<size_t>(row)]) {
            continue;
        }
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(pane.document()->findBlockByNumber(row));
        selection.format.setBackground(tint);
        selection.format.setProperty(QTextFormat::FullWidthSelection, true);
        selections.append(selection);
    }
    pane.setExtraSelections(selections);
}

}  // namespace

void ShowRecoveryDifference(const RecoverableCopy& copy, QWidget* parent) {
    auto* dialog = new QDialog(parent);
    dialog->setObjectName("frmRecoveryDifference");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle("Difference: " + ToQPath(copy.record.Address()));
    auto* layout = new QGridLayout(dialog);
    const QString fileCaption = copy.original ? "The file as it is now" : "No file";
    layout->addWidget(new QLabel(fileCaption, dialog), 0, 0);
    layout->addWidget(new QLabel("The recovered copy", dialog), 0, 1);
    auto* before = SidePane("txtFile", dialog);
    auto* after = SidePane("txtCopy", dialog);
    layout->addWidget(before, 1, 0);
    layout->addWidget(after, 1, 1);

    const std::string original = copy.original.value_or("");
    const EditorEncoding fileEncoding =
        DetectEditorEncoding(original, DetectTextEncoding(original));
    const EditorEncoding copyEncoding =
        DetectEditorEncoding(copy.text, DetectTextEncoding(copy.text));
    QStringList beforeLines;
    QStringList afterLines;
    std::vector<bool> marked;
    for (const auto& row : SideBySide(original, copy.text)) {
        beforeLines << Shown(row.before, fileEncoding);
        afterLines << Shown(row.after, copyEncoding);
        marked.push_back(row.kind != SideBySideRow::Kind::Same);
    }
    Fill(*before, beforeLines, marked, QColor(255, 220, 220));
    Fill(*after, afterLines, marked, QColor(220, 255, 220));
    // The two sides scroll together, row by row.
    for (auto [from, to] : {std::pair{before, after}, std::pair{after, before}}) {
        QObject::connect(from->verticalScrollBar(), &QScrollBar::valueChanged,
                         to->verticalScrollBar(), &QScrollBar::setValue);
    }
    dialog->resize(1000, 600);
    dialog->open();
}

}  // namespace htmlsim::gui
