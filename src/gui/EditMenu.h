#pragma once

class QMenuBar;
class QObject;

namespace htmlsim {
class Session;
}

namespace htmlsim::gui {

// The Edit menu: "Undo" (Ctrl+Z) and "Redo" (Ctrl+Y, Ctrl+Shift+Z) over the session's document.
// The changes are taken as steps around every press of a mouse button or a key anywhere in the
// program, so each action of the user (a drawing, a drag, a dialog, a menu command) is one step.
// Both are enabled exactly when there is a step to take, from the moment an action is done.
// The Document Editor's own text box keeps its own undo while it has the focus.
void AddEditMenu(QMenuBar& menuBar, Session& session, QObject& owner);

}  // namespace htmlsim::gui
