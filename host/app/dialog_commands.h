// The script's dialog commands as the host's scripted-user actions, and dialogs as the session prints them.
#pragma once

#include <optional>
#include <string>

#include "host/app/script.h"
#include "host/ui/dialog_script.h"

namespace host::app {

ui::DialogAction toDialogAction(const DialogCommand& command);

/// `[dialog] "TITLE" -> OK` (the title as the dialog gives it), then one `[dialog problem] ...` line per problem; each line ends with a newline.
std::string formatDialog(const ui::DialogRecord& dialog);

/// Why a script fails over this dialog: it came unexpected, or an action could not be taken; nothing when it ran clean.
std::optional<std::string> dialogFailure(const ui::DialogRecord& dialog);

} // namespace host::app
