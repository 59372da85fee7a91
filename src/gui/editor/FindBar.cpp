#include "editor/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>

namespace htmlsim::gui {

FindBar::FindBar(QPlainTextEdit& editor, QWidget* parent)
    : QWidget(parent), mEditor(editor), mTerm(new QLineEdit(this)), mStatus(new QLabel(this)) {
    setObjectName("findBar");
    mTerm->setObjectName("txtFind");
    mTerm->setClearButtonEnabled(true);
    mTerm->installEventFilter(this);
    mNormalPalette = mTerm->palette();
    mStatus->setObjectName("lblFindStatus");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("Find:", this));
    layout->addWidget(mTerm);
    layout->addWidget(mStatus);
    layout->addStretch();
    hide();

    auto* open = new QShortcut(QKeySequence::Find, parent);
    open->setContext(Qt::WidgetWithChildrenShortcut);
    connect(open, &QShortcut::activated, this, &FindBar::Open);
    AddShortcut(QKeySequence(Qt::Key_F3), false);
    AddShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), true);
    connect(mTerm, &QLineEdit::textEdited, this, &FindBar::FindFromSelectionStart);
}

void FindBar::Open() {
    const QString selected = mEditor.textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator)) {
        mTerm->setText(selected);
    }
    show();
    mTerm->setFocus();
    mTerm->selectAll();
}

bool FindBar::FindNext() {
    return Find({});
}

bool FindBar::FindPrevious() {
    return Find(QTextDocument::FindBackward);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mTerm && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            hide();
            mEditor.setFocus();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier) {
                FindPrevious();
            } else {
                FindNext();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FindBar::AddShortcut(const QKeySequence& keys, bool backward) {
    auto* shortcut = new QShortcut(keys, parentWidget());
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, backward] {
        if (mTerm->text().isEmpty()) {
            Open();
        } else if (backward) {
            FindPrevious();
        } else {
            FindNext();
        }
    });
}

bool FindBar::Find(QTextDocument::FindFlags flags) {
    const QString term = mTerm->text();
    if (term.isEmpty()) {
        ShowFound(true);
        return false;
    }
    bool found = mEditor.find(term, flags);
    if (!found) {
        const QTextCursor before = mEditor.textCursor();
        QTextCursor wrapped = before;
        wrapped.movePosition(flags & QTextDocument::FindBackward ? QTextCursor::End
                                                                 : QTextCursor::Start);
        mEditor.setTextCursor(wrapped);
        found = mEditor.find(term, flags);
        if (!found) {
            mEditor.setTextCursor(before);
        }
    }
    ShowFound(found);
    return found;
}

void FindBar::FindFromSelectionStart() {
    // Typing refines the match in place rather than jumping past it.
    QTextCursor from = mEditor.textCursor();
    from.setPosition(from.selectionStart());
    mEditor.setTextCursor(from);
    FindNext();
}

void FindBar::ShowFound(bool found) {
    QPalette palette = mNormalPalette;
    if (!found) {
        palette.setColor(QPalette::Base, QColor(0xff, 0xd6, 0xd6));
    }
    mTerm->setPalette(palette);
    mStatus->setText(found ? QString() : QStringLiteral("Not found"));
}

}  // namespace htmlsim::gui
