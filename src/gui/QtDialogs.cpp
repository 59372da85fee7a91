#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "ImportMessagesDialog.h"
#include "QtText.h"

namespace htmlsim::gui {

namespace {

QString TitleOrApplication(const std::string& title) {
    return title.empty() ? QApplication::applicationName() : ToQString(title);
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// "All Files (*.*)|*.*|HTML Documents|*.html;*.htm" -> Qt's "All Files (*);;HTML Documents
// (*.html *.htm)": each pattern list shown once, and "*.*" as "*", which here also matches
// names without a dot.
QStringList ToQtFilters(const std::string& filter) {
    const QStringList parts = ToQString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        if (patterns == "*.*") {
            patterns = "*";
        }
        QString description = parts[i];
        const qsizetype shown = description.lastIndexOf(" (");
        if (shown > 0 && description.endsWith(')')) {
            description.truncate(shown);
        }
        filters << description + " (" + patterns + ")";
    }
    return filters;
}

std::string RunFileDialog(QWidget* owner, const FileDialogRequest& request,
                          QFileDialog::AcceptMode mode) {
    QFileDialog dialog(owner, ToQString(request.title), ToQPath(request.initialFolder));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    const QStringList filters = ToQtFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    }
    if (!request.fileName.empty()) {
        dialog.selectFile(ToQPath(request.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return FromQPath(dialog.selectedFiles().first());
}

}  // namespace

void QtDialogs::Message(const std::string& text, const std::string& title, MessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), TitleOrApplication(title), ToQString(text), QMessageBox::Ok,
                    mOwner);
    box.exec();
}

void QtDialogs::ShowCollectedMessages(const std::vector<CollectedMessage>& messages) {
    if (messages.size() == 1 && messages[0].count == 1) {
        Message(messages[0].text, messages[0].title, messages[0].icon);
    } else if (!messages.empty()) {
        ShowImportMessagesDialog(mOwner, messages);
    }
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(mOwner, TitleOrApplication(title), ToQString(prompt),
                              QLineEdit::Normal, ToQString(defaultText), &accepted);
    return accepted ? FromQString(answer) : std::string();
}

bool QtDialogs::AskYesNo(const std::string& text, const std::string& title) {
    return QMessageBox::question(mOwner, TitleOrApplication(title), ToQString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

SaveChoice QtDialogs::AskSaveChanges(const std::string& text, const std::string& title) {
    const auto answer = QMessageBox::question(
        mOwner, TitleOrApplication(title), ToQString(text),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        return SaveChoice::Save;
    }
    return answer == QMessageBox::Discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

std::string QtDialogs::OpenFileName(const FileDialogRequest& request) {
    return RunFileDialog(mOwner, request, QFileDialog::AcceptOpen);
}

std::string QtDialogs::SaveFileName(const FileDialogRequest& request) {
    return RunFileDialog(mOwner, request, QFileDialog::AcceptSave);
}

std::string QtDialogs::BrowseForFolder(const std::string& title, const std::string& startFolder) {
    return FromQPath(
        QFileDialog::getExistingDirectory(mOwner, ToQString(title), ToQPath(startFolder)));
}

}  // namespace htmlsim::gui
