// What one scripted action does to a window's items, and the item hit it sends.
#pragma once

#include <optional>
#include <string>

#include "host/ui/dialog_script.h"
#include "xtapi/types.h"

namespace host::ui {

/// A field of a window, as the user's typing or a refusal names it.
struct FieldPlace {
    xt::WindowRef window = 0;
    int32_t item = 0;
    bool operator==(const FieldPlace&) const = default;
};

struct ActionResult {
    std::optional<std::string> problem;   // why the action could not be taken
    std::optional<DialogOutcome> ends;     // the dialog's own OK or Cancel button was clicked
    std::optional<FieldPlace> typedInto;   // the field the user typed into, which has the focus now
};

/// Performs a set-text, check, choose or click action on the window `root` (a dialog, whose tab page in
/// front is looked at first, or a palette), then sends the item hit. Tab, OK and Cancel are the runner's.
ActionResult performItemAction(xt::WindowRef root, const DialogAction& action);

/// The window and item an action on `root` is addressed to; nullopt for OK, Cancel, Tab and missing items.
std::optional<FieldPlace> actionTarget(xt::WindowRef root, const DialogAction& action);

} // namespace host::ui
