#include "SuggestingCombo.h"

#include <QComboBox>
#include <QCompleter>

namespace htmlsim::gui {

void OfferEntriesAsSuggestions(QComboBox& combo) {
    QCompleter* completer = combo.completer();
    if (completer == nullptr) {
        return;
    }
    completer->setCompletionMode(QCompleter::PopupCompletion);
    // Enter takes an entry only when it is the very text typed, letter case included.
    completer->setCaseSensitivity(Qt::CaseSensitive);
}

}  // namespace htmlsim::gui
