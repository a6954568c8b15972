// Item states and values: enabling, check boxes, radio groups, static texts, item objects and set-up values.
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/ui/window_events.h"
#include "xtapi/dialogs.h"

namespace host::api {
namespace {

/// The item of the target window; null when the window or the item is missing (such calls do nothing).
ui::WindowItem* targetItem(int32_t item)
{
    ui::Window* window = context().windows().target();
    return window ? window->item(item) : nullptr;
}

bool isToggle(const ui::WindowItem& item)
{
    return item.kind() == ui::ItemKind::CheckBox || item.kind() == ui::ItemKind::RadioButton;
}

int32_t keepSetupValue(int32_t item, const char* name, int32_t value)
{
    ui::WindowItem* found = targetItem(item);
    if (!found)
        return -1;
    found->setSetupValue(name, value);
    return 0;
}

int32_t SetControlAttribute1556(int32_t item, int32_t attribute, int32_t value)
{
    return keepSetupValue(item, "attribute", attribute) == 0 ? keepSetupValue(item, "attribute value", value) : -1;
}

int32_t SetItemStyle(int32_t item, int32_t style, int32_t, int32_t)
{
    return keepSetupValue(item, "style", style);
}

int32_t SetItemValue1690(int32_t item, int32_t value)
{
    return keepSetupValue(item, "item value", value);
}

int32_t SetControlState1562(int32_t item, int32_t state)
{
    return keepSetupValue(item, "control state", state);
}

int32_t SetStaticText(int32_t item, xt::TextObject text)
{
    ui::WindowItem* found = targetItem(item);
    const std::string* chars = context().texts().find(text);
    if (!found || !chars)
        return -1;
    found->setText(*chars);
    return 0;
}

/// Mode 1 disables the item's whole radio group (the item alone when it is in none).
int32_t SetDialogItemMode(int32_t item, int32_t mode)
{
    ui::Window* window = context().windows().target();
    ui::WindowItem* found = window ? window->item(item) : nullptr;
    if (!found || (mode != xt::kItemModeEnable && mode != xt::kItemModeDisable && mode != xt::kItemModeDisableGroup))
        return -1;
    if (mode != xt::kItemModeDisableGroup || found->radioGroup() == 0) {
        found->setEnabled(mode == xt::kItemModeEnable);
        return 0;
    }
    const int32_t group = found->radioGroup();
    for (const auto& [number, other] : window->items()) {
        if (other.radioGroup() == group)
            window->item(number)->setEnabled(false);
    }
    return 0;
}

int32_t SetControlValue(int32_t item, int32_t value)
{
    ui::Window* window = context().windows().target();
    ui::WindowItem* found = window ? window->item(item) : nullptr;
    if (!found)
        return -1;
    if (found->kind() == ui::ItemKind::RadioButton && value != 0) {
        ui::turnOnRadio(*window, item);
        return 0;
    }
    found->setValue(isToggle(*found) ? (value != 0 ? 1 : 0) : value);
    return 0;
}

/// A missing item leaves the caller's value as it was.
int32_t GetControlValue(int32_t item, int16_t* value)
{
    ui::WindowItem* found = targetItem(item);
    if (!found || !value)
        return -1;
    *value = static_cast<int16_t>(found->value());
    return 0;
}

/// A timer of the window (the period in milliseconds, e.g. 200): the window hears event 13 as time goes by.
int32_t AttachItemObject1526(int32_t periodMs, int32_t, int32_t* object)
{
    const ui::Window* window = context().windows().target();
    if (!window || !object || periodMs <= 0)
        return -1;
    *object = context().windows().startTimer(window->ref(), periodMs);
    return 0;
}

/// The plug-ins pass the timer with the closing event's bits set (0x48000000 | id).
void ReleaseItemObject1527(int32_t object)
{
    constexpr int32_t kIdBits = 0x00FFFFFF;
    context().windows().stopTimer(object & kIdBits);
}

int32_t DialogItemOp1568(int32_t item)
{
    ui::Window* window = context().windows().target();
    ui::WindowItem* found = window ? window->item(item) : nullptr;
    if (!found || found->kind() != ui::ItemKind::RadioButton)
        return -1;
    ui::turnOnRadio(*window, item);
    return 0;
}

int32_t DefineRadioGroup(int32_t first, int32_t last, int32_t)
{
    ui::Window* window = context().windows().target();
    if (!window || last < first)
        return -1;
    for (int32_t item = first; item <= last; ++item) {
        ui::WindowItem* found = window->item(item);
        if (found && found->kind() == ui::ItemKind::RadioButton)
            found->setRadioGroup(first);
    }
    return 0;
}

int32_t GetRadioSelection(int32_t first, int32_t* on)
{
    ui::Window* window = context().windows().target();
    if (!window || !on)
        return -1;
    for (const auto& [number, item] : window->items()) {
        if (item.radioGroup() == first && item.value() != 0) {
            *on = number;
            return 0;
        }
    }
    *on = 0;
    return 0;
}

} // namespace

void registerControlOps(OperationRegistry& registry)
{
    registry.add<xt::op::SetControlAttribute1556, &SetControlAttribute1556>();
    registry.add<xt::op::SetItemStyle, &SetItemStyle>();
    registry.add<xt::op::SetItemValue1690, &SetItemValue1690>();
    registry.add<xt::op::SetControlState1562, &SetControlState1562>();
    registry.add<xt::op::SetStaticText, &SetStaticText>();
    registry.add<xt::op::SetDialogItemMode, &SetDialogItemMode>();
    registry.add<xt::op::SetControlValue, &SetControlValue>();
    registry.add<xt::op::GetControlValue, &GetControlValue>();
    registry.add<xt::op::AttachItemObject1526, &AttachItemObject1526>();
    registry.add<xt::op::ReleaseItemObject1527, &ReleaseItemObject1527>();
    registry.add<xt::op::DialogItemOp1568, &DialogItemOp1568>();
    registry.add<xt::op::DefineRadioGroup, &DefineRadioGroup>();
    registry.add<xt::op::GetRadioSelection, &GetRadioSelection>();
}

} // namespace host::api
