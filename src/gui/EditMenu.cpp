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

// Records the document's text before each press (so a change made since is a step of its own)
// and just after each release has been handled (so the change it made is one step).
class EditRecorder : public QObject {
  public:
    EditRecorder(Session& session, QObject& owner) : QObject(&owner), mSession(session) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::KeyPress:
                mSession.RecordEdit();
                break;
            case QEvent::MouseButtonRelease:
            case QEvent::KeyRelease:
                QTimer::singleShot(0, this, [this] { mSession.RecordEdit(); });
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    Session& mSession;
};

}  // namespace

void AddEditMenu(QMenuBar& menuBar, Session& session, QObject& owner) {
    new EditRecorder(session, owner);
    QMenu* edit = menuBar.addMenu("&Edit");
    QAction* undo = edit->addAction("&Undo");
    undo->setObjectName("mnuEditUndo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = edit->addAction("&Redo");
    redo->setObjectName("mnuEditRedo");
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QObject::connect(undo, &QAction::triggered, &owner, [&session] { session.UndoCommand(); });
    QObject::connect(redo, &QAction::triggered, &owner, [&session] { session.RedoCommand(); });
    QObject::connect(edit, &QMenu::aboutToShow, &owner, [&session, undo, redo] {
        session.RecordEdit();
        undo->setEnabled(session.CanUndo());
        redo->setEnabled(session.CanRedo());
    });
    // The shortcuts must work whatever the menu showed when it was last open.
    QObject::connect(edit, &QMenu::aboutToHide, &owner, [undo, redo] {
        undo->setEnabled(true);
        redo->setEnabled(true);
    });
}

}  // namespace htmlsim::gui
