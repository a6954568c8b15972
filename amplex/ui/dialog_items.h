// Small typed calls on the items of the window being filled or read: check boxes, fields, lists, texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "xtapi/types.h"

namespace amplex::ui {

/// Names `window` as the target of item calls until the scope ends; inactive when the window is 0
/// or the host refuses it.
class DrawingScope {
public:
    explicit DrawingScope(xt::WindowRef window);
    ~DrawingScope();
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;
    bool active() const { return m_active; }

private:
    bool m_active = false;
};

void setChecked(int32_t item, bool on);
bool isChecked(int32_t item);
/// A check box's state as a settings byte: 1 when on, else 0; `fallback` when the item is missing.
uint8_t checkedByte(int32_t item, uint8_t fallback);
void setEnabled(int32_t item, bool enabled);
void turnOnRadio(int32_t item);
/// The item of the radio group starting at `first` that is on, or 0.
int32_t radioOn(int32_t first);

/// Makes `item` a numeric field in `unit` admitting minimum..maximum.
void makeNumericField(int32_t item, int32_t unit, xt::Fixed minimum, xt::Fixed maximum, int32_t decimals = 0);
void showNumber(int32_t item, xt::Fixed value);
/// The field's value in its unit; nothing when its text is no number or out of range.
std::optional<xt::Fixed> fieldNumber(int32_t item);
std::string fieldText(int32_t item);
void setFieldString(int32_t item, const std::string& text);
void setStaticString(int32_t item, const std::string& text);

/// Replaces the list's rows by the menu's entries and selects `row` when it exists; the row count.
int32_t loadListMenu(int32_t item, int32_t menuId, int32_t row);
int32_t listSelection(int32_t item);
void selectListRow(int32_t item, int32_t row);

/// The measurement as the user reads it ("150 pt", "75%").
std::string formatMeasurement(xt::Fixed value, int32_t unit);

} // namespace amplex::ui
