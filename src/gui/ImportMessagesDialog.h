#pragma once

#include <vector>

#include <QWidget>

#include "services/Dialogs.h"

namespace htmlsim::gui {

// The messages of one reading in one modal dialog: a table of each distinct text with how often
// it came and the line it first came at.
void ShowImportMessagesDialog(QWidget* owner, const std::vector<CollectedMessage>& messages);

}  // namespace htmlsim::gui
