// One item of a window's item table: its kind, text, value, state, list rows and set-up values.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/ui/picture.h"
#include "xtapi/types.h"

namespace host::ui {

enum class ItemKind : uint8_t { Button, CheckBox, RadioButton, EditText, StaticText, PopupMenu, List, Picture, TabPane, Frame };

/// A column of a list with several (ListOp1631): its width in pixels and the plug-in's flags.
struct ListColumn {
    uint32_t flags = 0;
    int32_t width = 0;
};

/// A numeric field's unit and the values it admits.
struct FieldFormat {
    int32_t unit = 0;
    xt::Fixed minimum = 0;
    xt::Fixed maximum = 0;
};

class WindowItem {
public:
    explicit WindowItem(ItemKind kind) : m_kind(kind) {}

    ItemKind kind() const { return m_kind; }
    const std::string& text() const { return m_text; }
    int32_t value() const { return m_value; }
    bool enabled() const { return m_enabled; }
    bool visible() const { return m_visible; }

    /// The plug-in (or the dialog's template) puts text into the item: the user has typed nothing over it.
    void setText(std::string text)
    {
        m_text = std::move(text);
        m_typed = false;
    }
    /// The user types into a field: the host checks such text before the field is left.
    void typeText(std::string text)
    {
        m_text = std::move(text);
        m_typed = true;
    }
    bool typedByUser() const { return m_typed; }
    void setValue(int32_t value) { m_value = value; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    void setVisible(bool visible) { m_visible = visible; }
    /// Whether a user can act on it: enabled and visible.
    bool usable() const { return m_enabled && m_visible; }

    // List and popup rows; -1 is "no selection".
    bool hasRows() const { return m_kind == ItemKind::List || m_kind == ItemKind::PopupMenu; }
    int32_t rowCount() const { return static_cast<int32_t>(m_rows.size()); }
    const std::vector<std::string>& rows() const { return m_rows; }
    const std::string& row(int32_t index) const { return m_rows.at(static_cast<size_t>(index)); }
    int32_t selection() const { return m_selection; }
    /// Inserts an empty row before `index` (index == rowCount() appends); false for an index out of range.
    bool insertRow(int32_t index);
    bool deleteRow(int32_t index);
    bool setRowText(int32_t index, std::string text);
    bool select(int32_t index);
    /// Replaces every row; the selection is cleared.
    void setRows(std::vector<std::string> rows);
    /// The 4-byte value kept with a row (0 until set); nullopt for a row out of range.
    std::optional<int32_t> rowValue(int32_t index) const;
    bool setRowValue(int32_t index, int32_t value);
    /// The bytes kept with a row (ListOp1614 keeps any number, SetListEntryValue four; four zero bytes until
    /// set); nullopt out of range.
    std::optional<std::string> rowData(int32_t index) const;
    bool setRowData(int32_t index, std::string bytes);
    /// A single row of a popup or list can be disabled: a user cannot choose it.
    bool rowEnabled(int32_t index) const;
    bool setRowEnabled(int32_t index, bool enabled);
    /// The picture in a cell of a row (column 0 for a list of one column); null when none was put there.
    const Picture* cell(int32_t index, int32_t column) const;
    bool setCell(int32_t index, int32_t column, Picture picture);

    /// The columns of a list with several; empty for a plain list.
    const std::vector<ListColumn>& columns() const { return m_columns; }
    void addColumn(ListColumn column) { m_columns.push_back(column); }
    /// The number of columns a user can click: at least one.
    int32_t columnCount() const { return m_columns.empty() ? 1 : static_cast<int32_t>(m_columns.size()); }

    /// A numeric field's unit and range; none for a plain text field.
    const std::optional<FieldFormat>& fieldFormat() const { return m_field; }
    void setFieldFormat(FieldFormat format) { m_field = format; }

    /// The radio group the item belongs to: the first item of the group, 0 for none.
    int32_t radioGroup() const { return m_radioGroup; }
    void setRadioGroup(int32_t first) { m_radioGroup = first; }

    /// The bitmap resource a picture item shows, 0 for none.
    int32_t bitmap() const { return m_bitmap; }
    void setBitmap(int32_t bitmapId) { m_bitmap = bitmapId; }

    /// Set-up values the plug-ins pass and the host keeps without giving them a meaning (style, attributes...).
    void setSetupValue(const std::string& name, int32_t value) { m_setup[name] = value; }
    std::optional<int32_t> setupValue(const std::string& name) const;

private:
    ItemKind m_kind;
    std::string m_text;
    bool m_typed = false;
    int32_t m_value = 0;
    bool m_enabled = true;
    bool m_visible = true;
    struct RowExtras {
        std::string data = std::string(4, '\0');  // a row nobody gave a value reads as 0
        bool enabled = true;
        std::map<int32_t, Picture> cells;
    };
    bool hasRow(int32_t index) const { return index >= 0 && index < rowCount(); }

    std::vector<std::string> m_rows;
    std::vector<RowExtras> m_extras;  // beside m_rows, one each
    std::vector<ListColumn> m_columns;
    int32_t m_selection = -1;
    std::optional<FieldFormat> m_field;
    int32_t m_radioGroup = 0;
    int32_t m_bitmap = 0;
    std::map<std::string, int32_t> m_setup;
};

} // namespace host::ui
