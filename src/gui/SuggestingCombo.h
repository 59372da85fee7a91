#pragma once

class QComboBox;

namespace htmlsim::gui {

// An editable combo box's list only suggests: what the user types stays as typed unless an
// entry is chosen. The default completion would finish "button" as "buttonLarge" unasked.
void OfferEntriesAsSuggestions(QComboBox& combo);

}  // namespace htmlsim::gui
