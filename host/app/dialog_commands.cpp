// Turning dialog commands into scripted-user actions, and reporting the dialogs a session met.
#include "host/app/dialog_commands.h"

namespace host::app {

ui::DialogAction toDialogAction(const DialogCommand& command)
{
    using Verb = DialogCommand::Verb;
    const ui::ItemScope scope = command.main ? ui::ItemScope::Dialog : ui::ItemScope::Front;
    switch (command.verb) {
    case Verb::Set:
        return ui::DialogAction::setText(command.item, command.text, scope);
    case Verb::Check:
        return ui::DialogAction::check(command.item, command.value != 0, scope);
    case Verb::Choose:
        return ui::DialogAction::choose(command.item, command.value, scope, command.column);
    case Verb::Click:
        return ui::DialogAction::click(command.item, scope);
    case Verb::Tab:
        return ui::DialogAction::tab(command.value);
    case Verb::Ok:
        return ui::DialogAction::ok();
    case Verb::Cancel:
        return ui::DialogAction::cancel();
    }
    return ui::DialogAction::cancel();
}

std::string formatDialog(const ui::DialogRecord& dialog)
{
    std::string text;
    for (const auto& field : dialog.refusedFields)
        text += "[dialog] \"" + dialog.title + "\" kept open: the host refused " + field + "\n";
    text += "[dialog] \"" + dialog.title + "\" -> " + ui::outcomeName(dialog.outcome) + "\n";
    for (const auto& problem : dialog.problems)
        text += "[dialog problem] " + problem + "\n";
    return text;
}

std::optional<std::string> dialogFailure(const ui::DialogRecord& dialog)
{
    if (dialog.problems.empty())
        return std::nullopt;
    const std::string what = dialog.title.empty() ? "window " + std::to_string(dialog.windowId) : "\"" + dialog.title + "\"";
    if (dialog.unexpected)
        return "the dialog " + what + " was not expected: " + dialog.problems.front();
    return "the dialog " + what + ": " + dialog.problems.front();
}

} // namespace host::app
