#include "EditMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "session/Session.h"

namespace htmlsim::gui {

namespace {

// Enabled, or disabled with the reason in the tooltip, as the toolbar's commands are.
void Allow(QAction& action, bool allowed, const QString& whyNot) {
    action.setEnabled(allowed);
    const QString caption = action.iconText();
    action.setToolTip(allowed ? caption : caption + ": " + whyNot);
}

// Records the document's text before each press (so a change made since is a step of its own)
// and just after each release has been handled (so the change it made is one step), and shows
// Undo and Redo enabled exactly when they have a step to take.
class EditRecorder : public QObject {
  public:
    EditRecorder(Session& session, QAction& undo, QAction& redo, QObject& owner)
        : QObject(&owner), mSession(session), mUndo(undo), mRedo(redo) {
        QCoreApplication::instance()->installEventFilter(this);
        ShowSteps();
    }

    // Takes any change not yet recorded, then enables the commands by the history.
    void ShowSteps() {
        mSession.RecordEdit();
        // The Document Editor's typing becomes a step when Undo puts it into the page.
        Allow(mUndo, mSession.CanUndo() || mSession.SectionEdited(),
              "Nothing has changed since the page was opened or created.");
        Allow(mRedo, mSession.CanRedo(), "Nothing has been undone since the last change.");
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::KeyPress:
                mSession.RecordEdit();
                break;
            // Comes before a shortcut is looked up: a change made without a click or a key
            // (a drop) enables Undo in time for Ctrl+Z.
            case QEvent::ShortcutOverride:
                ShowSteps();
                break;
            case QEvent::MouseButtonRelease:
            case QEvent::KeyRelease:
                QTimer::singleShot(0, this, [this] { ShowSteps(); });
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    Session& mSession;
    QAction& mUndo;
    QAction& mRedo;
};

}  // namespace

void AddEditMenu(QMenuBar& menuBar, Session& session, QObject& owner) {
    QMenu* edit = menuBar.addMenu("&Edit");
    QAction* undo = edit->addAction("&Undo");
    undo->setObjectName("mnuEditUndo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = edit->addAction("&Redo");
    redo->setObjectName("mnuEditRedo");
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    auto* recorder = new EditRecorder(session, *undo, *redo, owner);
    QObject::connect(undo, &QAction::triggered, &owner, [&session, recorder] {
        session.UndoCommand();
        recorder->ShowSteps();
    });
    QObject::connect(redo, &QAction::triggered, &owner, [&session, recorder] {
        session.RedoCommand();
        recorder->ShowSteps();
    });
    QObject::connect(edit, &QMenu::aboutToShow, recorder, &EditRecorder::ShowSteps);
}

}  // namespace htmlsim::gui
