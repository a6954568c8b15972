// The queue of scripted dialog actions and the log of dialogs.
#include "host/ui/dialog_script.h"

namespace host::ui {
namespace {

std::string itemWords(const DialogAction& action)
{
    return (action.scope == ItemScope::Dialog ? "main " : "") + std::to_string(action.item);
}

} // namespace

std::string describe(const DialogAction& action)
{
    switch (action.kind) {
    case DialogActionKind::SetText:
        return "set " + itemWords(action) + " \"" + action.text + "\"";
    case DialogActionKind::Check:
        return "check " + itemWords(action) + (action.value ? " on" : " off");
    case DialogActionKind::Choose:
        return "choose " + itemWords(action) + " " + std::to_string(action.value)
            + (action.column >= 0 ? " column " + std::to_string(action.column) : std::string());
    case DialogActionKind::Click:
        return "click " + itemWords(action);
    case DialogActionKind::Tab:
        return "tab " + std::to_string(action.value);
    case DialogActionKind::Ok:
        return "ok";
    case DialogActionKind::Cancel:
        return "cancel";
    }
    return "?";
}

DialogAction DialogAction::setText(int32_t item, std::string text, ItemScope scope)
{
    return {DialogActionKind::SetText, item, std::move(text), 0, scope};
}

DialogAction DialogAction::check(int32_t item, bool on, ItemScope scope)
{
    return {DialogActionKind::Check, item, {}, on ? 1 : 0, scope};
}

DialogAction DialogAction::choose(int32_t item, int32_t row, ItemScope scope, int32_t column)
{
    return {DialogActionKind::Choose, item, {}, row, scope, column};
}

DialogAction DialogAction::click(int32_t item, ItemScope scope)
{
    return {DialogActionKind::Click, item, {}, 0, scope};
}

DialogAction DialogAction::tab(int32_t index)
{
    return {DialogActionKind::Tab, 0, {}, index, ItemScope::Dialog};
}

DialogAction DialogAction::ok()
{
    return {DialogActionKind::Ok, 0, {}, 0, ItemScope::Dialog};
}

DialogAction DialogAction::cancel()
{
    return {DialogActionKind::Cancel, 0, {}, 0, ItemScope::Dialog};
}

void DialogUser::setText(int32_t item, std::string text, ItemScope scope)
{
    queue(DialogAction::setText(item, std::move(text), scope));
}

void DialogUser::check(int32_t item, bool on, ItemScope scope)
{
    queue(DialogAction::check(item, on, scope));
}

void DialogUser::choose(int32_t item, int32_t row, ItemScope scope, int32_t column)
{
    queue(DialogAction::choose(item, row, scope, column));
}

void DialogUser::click(int32_t item, ItemScope scope)
{
    queue(DialogAction::click(item, scope));
}

void DialogUser::tab(int32_t index)
{
    queue(DialogAction::tab(index));
}

void DialogUser::ok()
{
    queue(DialogAction::ok());
}

void DialogUser::cancel()
{
    queue(DialogAction::cancel());
}

std::optional<DialogAction> DialogUser::take()
{
    if (m_actions.empty())
        return std::nullopt;
    DialogAction action = std::move(m_actions.front());
    m_actions.pop_front();
    return action;
}

DialogRecord& DialogLog::add(int32_t windowId)
{
    DialogRecord& record = m_entries.emplace_back();
    record.windowId = windowId;
    return record;
}

size_t DialogLog::troubledCount() const
{
    size_t count = 0;
    for (const auto& entry : m_entries)
        count += entry.unexpected || !entry.problems.empty() ? 1 : 0;
    return count;
}

const char* outcomeName(DialogOutcome outcome)
{
    switch (outcome) {
    case DialogOutcome::Ok:
        return "OK";
    case DialogOutcome::Cancelled:
        return "Cancel";
    case DialogOutcome::Closed:
        return "closed";
    case DialogOutcome::Failed:
        return "failed";
    }
    return "?";
}

} // namespace host::ui
