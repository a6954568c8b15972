// Refusing what a user typed into a numeric field, as the host's own dialogs do.
#include "host/ui/field_check.h"

#include <climits>

#include "host/ui/host_alert.h"
#include "host/ui/measurement.h"
#include "host/ui/window_events.h"
#include "xtapi/dialogs.h"

namespace host::ui {
namespace {

/// FieldOp1577's whole text: the field's text selected, ready to be typed over.
constexpr int32_t kWholeText = 0x7FFF;

bool isNumeric(const WindowItem& field)
{
    return field.kind() == ItemKind::EditText && field.fieldFormat() && field.fieldFormat()->unit != xt::UnitText;
}

std::string shown(xt::Fixed value, int32_t unit)
{
    return formatMeasurement(value, unit).value_or(std::to_string(value / xt::kFixedOne));
}

WindowItem* fieldAt(const FieldPlace& place)
{
    Window* window = windowManager().find(place.window);
    return window ? window->item(place.item) : nullptr;
}

} // namespace

std::string rangeWords(const FieldFormat& format)
{
    // A plug-in that sets no limit gives the whole range a Fixed holds.
    const bool lower = format.minimum != INT32_MIN;
    const bool upper = format.maximum != INT32_MAX;
    if (lower && upper)
        return "Enter a value between " + shown(format.minimum, format.unit) + " and " + shown(format.maximum, format.unit) + ".";
    if (lower)
        return "Enter a value of at least " + shown(format.minimum, format.unit) + ".";
    if (upper)
        return "Enter a value of at most " + shown(format.maximum, format.unit) + ".";
    return "Enter " + unitWords(format.unit) + ".";
}

std::optional<std::string> fieldRefusal(const WindowItem& field)
{
    if (!field.typedByUser() || !field.usable() || !isNumeric(field))
        return std::nullopt;
    const FieldFormat& format = *field.fieldFormat();
    const auto value = parseMeasurement(field.text(), format.unit);
    if (value && *value >= format.minimum && *value <= format.maximum)
        return std::nullopt;
    return "\"" + field.text() + "\" is not a value this field takes. " + rangeWords(format);
}

std::optional<FieldPlace> refuseFirstUnreadable(const std::vector<FieldPlace>& places)
{
    for (const FieldPlace& place : places) {
        WindowItem* field = fieldAt(place);
        const auto message = field ? fieldRefusal(*field) : std::nullopt;
        if (!message)
            continue;
        alertUser(*message);
        // The alert may have run plug-in code; the field is looked up again.
        if (Window* window = windowManager().find(place.window)) {
            if (WindowItem* again = window->item(place.item)) {
                again->setSetupValue("selection start", 0);
                again->setSetupValue("selection end", kWholeText);
            }
            window->setFocusedItem(place.item);
        }
        return place;
    }
    return std::nullopt;
}

std::vector<FieldPlace> typedFields(xt::WindowRef dialog, std::optional<FieldPlace> focus)
{
    std::vector<FieldPlace> places;
    if (focus)
        places.push_back(*focus);
    std::vector<Window*> windows;
    if (Window* root = windowManager().find(dialog))
        windows.push_back(root);
    for (Window* page : windowManager().windowsOfKind(WindowKind::TabPage)) {
        if (page->parent() == dialog)
            windows.push_back(page);
    }
    for (Window* window : windows) {
        for (const auto& [number, item] : window->items()) {
            const FieldPlace place{window->ref(), number};
            if (item.typedByUser() && (!focus || place != *focus))
                places.push_back(place);
        }
    }
    return places;
}

} // namespace host::ui
