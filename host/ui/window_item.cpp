// List rows, their values and the set-up values of a window item.
#include "host/ui/window_item.h"

namespace host::ui {

bool WindowItem::insertRow(int32_t index)
{
    if (index < 0 || index > rowCount())
        return false;
    m_rows.insert(m_rows.begin() + index, std::string());
    m_rowValues.insert(m_rowValues.begin() + index, 0);
    if (m_selection >= index)
        ++m_selection;
    return true;
}

bool WindowItem::deleteRow(int32_t index)
{
    if (index < 0 || index >= rowCount())
        return false;
    m_rows.erase(m_rows.begin() + index);
    m_rowValues.erase(m_rowValues.begin() + index);
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
    m_rowValues.assign(m_rows.size(), 0);
    m_selection = -1;
}

std::optional<int32_t> WindowItem::rowValue(int32_t index) const
{
    if (index < 0 || index >= rowCount())
        return std::nullopt;
    return m_rowValues[static_cast<size_t>(index)];
}

bool WindowItem::setRowValue(int32_t index, int32_t value)
{
    if (index < 0 || index >= rowCount())
        return false;
    m_rowValues[static_cast<size_t>(index)] = value;
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
