// Typed item calls for Amplex's dialog pages, over the host's control, field and list operations.
#include "amplex/ui/dialog_items.h"

#include <cstring>

#include "amplex/ui/dialog_state.h"
#include "foundation/binding/binding.h"
#include "xtapi/dialogs.h"

namespace amplex::ui {

using namespace xt::calls;

namespace {

/// The characters of a host text, which is disposed of; "" for none.
std::string takeText(xt::TextObject text)
{
    if (!text)
        return {};
    const char* chars = GetTextObjectChars(text);
    // A failed length comes back negative; it must not become a huge size.
    const int32_t length = GetTextObjectLength(text);
    std::string result = chars && length > 0 ? std::string(chars, static_cast<size_t>(length)) : std::string();
    DisposeTextObject(text);
    return result;
}

} // namespace

DrawingScope::DrawingScope(xt::WindowRef window)
{
    m_active = window != 0 && BeginWindowDrawing(window) == 0;
    if (window != 0 && !m_active)
        dialogState().setHostFailed();
}

DrawingScope::~DrawingScope()
{
    if (m_active)
        EndWindowDrawing();
}

void setChecked(int32_t item, bool on)
{
    // A box the host would not set shows the user another choice than the one the record holds.
    if (SetControlValue(item, on ? 1 : 0) != 0)
        dialogState().setHostFailed();
}

bool isChecked(int32_t item)
{
    int16_t value = 0;
    GetControlValue(item, &value);
    return value == 1;
}

uint8_t checkedByte(int32_t item, uint8_t fallback)
{
    // The host leaves the value alone for an item the page lacks, so a missing item keeps the field.
    int16_t value = fallback ? 1 : 0;
    GetControlValue(item, &value);
    return value == 1 ? 1 : 0;
}

void setEnabled(int32_t item, bool enabled)
{
    SetDialogItemMode(item, enabled ? xt::kItemModeEnable : xt::kItemModeDisable);
}

void turnOnRadio(int32_t item)
{
    DialogItemOp1568(item);
}

int32_t radioOn(int32_t first)
{
    int32_t on = 0;
    GetRadioSelection(first, &on);
    return on;
}

void makeNumericField(int32_t item, int32_t unit, xt::Fixed minimum, xt::Fixed maximum, int32_t decimals)
{
    // A field the host would not make numeric cannot read what the user types in its unit.
    if (SetFieldNumber(item, decimals, 0, unit, minimum, maximum, 26) != 0)
        dialogState().setHostFailed();
}

void showNumber(int32_t item, xt::Fixed value)
{
    SetFieldText(item, 0, value);
}

std::optional<xt::Fixed> fieldNumber(int32_t item)
{
    xt::Fixed value = 0;
    uint8_t ok = 0;
    // A failed call leaves the field unread; text that is no number is the user's, and keeps the entry.
    if (GetFieldNumber(item, nullptr, &value, &ok) != 0) {
        dialogState().setHostFailed();
        return std::nullopt;
    }
    if (ok == 0)
        return std::nullopt;
    return value;
}

std::string fieldText(int32_t item)
{
    xt::TextObject text = nullptr;
    uint8_t ok = 0;
    if (GetFieldNumber(item, &text, nullptr, &ok) != 0)
        return {};
    return takeText(text);
}

void setStaticString(int32_t item, const std::string& text)
{
    xt::TextObject object = NewTextObject(text.c_str(), 0, static_cast<int32_t>(text.size()));
    if (!object)
        return;
    SetStaticText(item, object);
    DisposeTextObject(object);
}

void setFieldString(int32_t item, const std::string& text)
{
    setStaticString(item, text);
}

int32_t loadListMenu(int32_t item, int32_t menuId, int32_t row)
{
    SetPopupMenuResource(item, 0, menuId);
    int32_t count = 0;
    GetListCount(item, &count);
    if (row >= 0 && row < count)
        SetListSelection(item, row);
    return count;
}

int32_t listSelection(int32_t item)
{
    int32_t row = -1;
    if (GetListSelection(item, &row) != 0)
        dialogState().setHostFailed();
    return row;
}

void selectListRow(int32_t item, int32_t row)
{
    SetListSelection(item, row);
}

std::string formatMeasurement(xt::Fixed value, int32_t unit)
{
    xt::TextObject text = nullptr;
    uint8_t ok = 0;
    FormatMeasurement(value, &text, unit, 0, &ok);
    return takeText(text);
}

} // namespace amplex::ui
