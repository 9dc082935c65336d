#pragma once

#include "model/MainDialogModel.h"

namespace lumo {

// A key as the dialog's key filter tells keys apart; each window maps its toolkit's keys.
enum class DialogKey { Enter, Escape, Arrow, Other };

// The key filter, applied to every key pressed in the dialog whichever control has the
// focus. True when the key is swallowed: Enter and Escape never close the dialog or press
// a button. An arrow key is remembered for the next selection change of the list.
bool SwallowKeyDown(MainDialogModel& model, DialogKey key);

// A click on the push button with this identifier, routed to its command; false when no
// command has that identifier.
bool ClickButton(MainDialogModel& model, int id);

} // namespace lumo
