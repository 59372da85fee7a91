#pragma once

#include <QObject>
#include <functional>

namespace htmlsim::gui {

// Runs `update` once the application has handled each mouse release and key release, so after
// every command the user gives: for what shows the editor's state (the commands that can run,
// the changed mark in the title). Lives as long as `owner`.
void CallAfterEachAction(QObject& owner, std::function<void()> update);

}  // namespace htmlsim::gui
