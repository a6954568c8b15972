// List rows, their values, states and cell pictures, and the set-up values of a window item.
#include "host/ui/window_item.h"

#include <algorithm>
#include <cstring>

namespace host::ui {

bool WindowItem::insertRow(int32_t index)
{
    if (index < 0 || index > rowCount())
        return false;
    m_rows.insert(m_rows.begin() + index, std::string());
    m_extras.insert(m_extras.begin() + index, RowExtras{});
    if (m_selection >= index)
        ++m_selection;
    return true;
}

bool WindowItem::deleteRow(int32_t index)
{
    if (index < 0 || index >= rowCount())
        return false;
    m_rows.erase(m_rows.begin() + index);
    m_extras.erase(m_extras.begin() + index);
    if (m_selection == index)
        m_selection = -1;
    else if (m_selection > index)
        --m_selection;
    return true;
}

bool WindowItem::setRowText(int32_t index, std::string text)
{
    if (index < 0 || index >= rowCount())
        return false;
    m_rows[static_cast<size_t>(index)] = std::move(text);
    return true;
}

bool WindowItem::select(int32_t index)
{
    if (index < -1 || index >= rowCount())
        return false;
    m_selection = index;
    return true;
}

void WindowItem::setRows(std::vector<std::string> rows)
{
    m_rows = std::move(rows);
    m_extras.assign(m_rows.size(), RowExtras{});
    m_selection = -1;
}

/// The first four bytes of the row's data, the missing ones 0.
std::optional<int32_t> WindowItem::rowValue(int32_t index) const
{
    if (!hasRow(index))
        return std::nullopt;
    const std::string& data = m_extras[static_cast<size_t>(index)].data;
    int32_t value = 0;
    std::memcpy(&value, data.data(), std::min(data.size(), sizeof value));
    return value;
}

bool WindowItem::setRowValue(int32_t index, int32_t value)
{
    return setRowData(index, std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

std::optional<std::string> WindowItem::rowData(int32_t index) const
{
    if (!hasRow(index))
        return std::nullopt;
    return m_extras[static_cast<size_t>(index)].data;
}

bool WindowItem::setRowData(int32_t index, std::string bytes)
{
    if (!hasRow(index))
        return false;
    m_extras[static_cast<size_t>(index)].data = std::move(bytes);
    return true;
}

bool WindowItem::rowEnabled(int32_t index) const
{
    return hasRow(index) && m_extras[static_cast<size_t>(index)].enabled;
}

bool WindowItem::setRowEnabled(int32_t index, bool enabled)
{
    if (!hasRow(index))
        return false;
    m_extras[static_cast<size_t>(index)].enabled = enabled;
    return true;
}

const Picture* WindowItem::cell(int32_t index, int32_t column) const
{
    if (!hasRow(index))
        return nullptr;
    const auto& cells = m_extras[static_cast<size_t>(index)].cells;
    auto found = cells.find(column);
    return found == cells.end() ? nullptr : &found->second;
}

bool WindowItem::setCell(int32_t index, int32_t column, Picture picture)
{
    if (!hasRow(index) || column < 0 || column >= columnCount())
        return false;
    m_extras[static_cast<size_t>(index)].cells[column] = std::move(picture);
    return true;
}

std::optional<int32_t> WindowItem::setupValue(const std::string& name) const
{
    auto found = m_setup.find(name);
    if (found == m_setup.end())
        return std::nullopt;
    return found->second;
}

} // namespace host::ui
