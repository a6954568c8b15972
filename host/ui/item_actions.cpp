// The scripted user's actions on items: typing, checking, choosing a row, clicking.
#include "host/ui/item_actions.h"

#include "host/ui/window_events.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace host::ui {
namespace {

/// The dialog's own buttons that end it, as on Windows (IDOK, IDCANCEL).
constexpr int32_t kOkButton = 1;
constexpr int32_t kCancelButton = 2;

struct Target {
    Window* window = nullptr;
    WindowItem* item = nullptr;
};

Target resolve(Window& root, const DialogAction& action)
{
    if (action.scope == ItemScope::Front) {
        if (Window* page = frontPage(root); page && page->item(action.item))
            return {page, page->item(action.item)};
    }
    return {&root, root.item(action.item)};
}

ActionResult refuse(std::string why)
{
    return {std::move(why), std::nullopt, std::nullopt};
}

ActionResult hit(const Target& target, int32_t item, int32_t detail)
{
    sendEvent(target.window->ref(), xt::ItemHit, item, detail);
    return {};
}

ActionResult click(Window& root, const Target& target, int32_t item)
{
    WindowItem& control = *target.item;
    switch (control.kind()) {
    case ItemKind::Button:
        if (target.window == &root && root.kind() == WindowKind::Dialog && (item == kOkButton || item == kCancelButton))
            return {std::nullopt, item == kOkButton ? DialogOutcome::Ok : DialogOutcome::Cancelled, std::nullopt};
        return hit(target, item, xt::ItemPressed);
    case ItemKind::CheckBox:
        // Automatic check boxes: the callback reads the new state.
        control.setValue(control.value() ? 0 : 1);
        return hit(target, item, xt::ItemPressed);
    case ItemKind::RadioButton:
        turnOnRadio(*target.window, item);
        return hit(target, item, xt::ItemPressed);
    case ItemKind::Picture:
        return hit(target, item, xt::PictureClicked);
    case ItemKind::StaticText:
    case ItemKind::Frame:
        return refuse("item " + std::to_string(item) + " takes no clicks");
    default:
        return hit(target, item, xt::ItemPressed);
    }
}

ActionResult setText(const Target& target, const DialogAction& action)
{
    if (target.item->kind() != ItemKind::EditText)
        return refuse("item " + std::to_string(action.item) + " is not a field");
    target.item->typeText(action.text);
    const FieldPlace typed{target.window->ref(), action.item};
    hit(target, action.item, xt::ItemPressed);
    sendEvent(typed.window, xt::FieldChanged, action.item);
    return {std::nullopt, std::nullopt, typed};
}

ActionResult check(const Target& target, const DialogAction& action)
{
    const ItemKind kind = target.item->kind();
    if (kind == ItemKind::RadioButton && action.value) {
        turnOnRadio(*target.window, action.item);
        return hit(target, action.item, xt::ItemPressed);
    }
    if (kind != ItemKind::CheckBox)
        return refuse("item " + std::to_string(action.item) + " is not a check box");
    target.item->setValue(action.value ? 1 : 0);
    return hit(target, action.item, xt::ItemPressed);
}

/// A click on a cell: the row is chosen (21 when the selection changed), then the cell clicked (23) with its
/// row and column, as a list with columns reports it.
ActionResult choose(const Target& target, const DialogAction& action)
{
    WindowItem& list = *target.item;
    const std::string name = "item " + std::to_string(action.item);
    if (!list.hasRows())
        return refuse(name + " is not a list");
    if (action.value < 0 || action.value >= list.rowCount())
        return refuse(name + " has no row " + std::to_string(action.value) + " (it has " + std::to_string(list.rowCount()) + ")");
    if (!list.rowEnabled(action.value))
        return refuse(name + ": row " + std::to_string(action.value) + " is disabled");
    if (action.column >= list.columnCount())
        return refuse(name + " has no column " + std::to_string(action.column) + " (it has " + std::to_string(list.columnCount()) + ")");
    const bool changed = list.selection() != action.value;
    list.select(action.value);
    if (changed || action.column < 0)
        hit(target, action.item, xt::SelectionChanged);
    if (action.column >= 0)
        sendCellClick(target.window->ref(), action.item, action.value, action.column);
    return {};
}

} // namespace

std::optional<FieldPlace> actionTarget(xt::WindowRef rootRef, const DialogAction& action)
{
    Window* root = windowManager().find(rootRef);
    if (!root || action.kind == DialogActionKind::Ok || action.kind == DialogActionKind::Cancel
        || action.kind == DialogActionKind::Tab)
        return std::nullopt;
    const Target target = resolve(*root, action);
    if (!target.item)
        return std::nullopt;
    return FieldPlace{target.window->ref(), action.item};
}

ActionResult performItemAction(xt::WindowRef rootRef, const DialogAction& action)
{
    Window* root = windowManager().find(rootRef);
    if (!root)
        return refuse("the window is closed");
    const Target target = resolve(*root, action);
    if (!target.item)
        return refuse("there is no item " + std::to_string(action.item));
    if (!target.item->visible())
        return refuse("item " + std::to_string(action.item) + " is hidden");
    if (!target.item->enabled())
        return refuse("item " + std::to_string(action.item) + " is disabled");
    switch (action.kind) {
    case DialogActionKind::SetText:
        return setText(target, action);
    case DialogActionKind::Check:
        return check(target, action);
    case DialogActionKind::Choose:
        return choose(target, action);
    case DialogActionKind::Click:
        return click(*root, target, action.item);
    default:
        return refuse("not an item action");
    }
}

} // namespace host::ui
