// Window item tables, list rows and the current window stack.
#include "host/ui/window_model.h"

namespace host::ui {

bool WindowItem::insertRow(int32_t index)
{
    if (index < 0 || index > rowCount())
        return false;
    m_rows.insert(m_rows.begin() + index, std::string());
    if (m_selection >= index)
        ++m_selection;
    return true;
}

bool WindowItem::deleteRow(int32_t index)
{
    if (index < 0 || index >= rowCount())
        return false;
    m_rows.erase(m_rows.begin() + index);
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

WindowItem& Window::addItem(int32_t number, ItemKind kind)
{
    return m_items.insert_or_assign(number, WindowItem(kind)).first->second;
}

WindowItem* Window::item(int32_t number)
{
    auto found = m_items.find(number);
    return found == m_items.end() ? nullptr : &found->second;
}

const WindowItem* Window::item(int32_t number) const
{
    auto found = m_items.find(number);
    return found == m_items.end() ? nullptr : &found->second;
}

Window& WindowManager::open(xt::WindowRef ref, int32_t windowId)
{
    auto window = std::make_unique<Window>(ref, windowId);
    Window& opened = *window;
    m_windows[ref] = std::move(window);
    return opened;
}

bool WindowManager::close(xt::WindowRef ref)
{
    std::erase(m_drawing, ref);
    return m_windows.erase(ref) != 0;
}

Window* WindowManager::find(xt::WindowRef ref)
{
    auto found = m_windows.find(ref);
    return found == m_windows.end() ? nullptr : found->second.get();
}

bool WindowManager::beginDrawing(xt::WindowRef ref)
{
    if (!find(ref))
        return false;
    m_drawing.push_back(ref);
    return true;
}

void WindowManager::endDrawing()
{
    if (!m_drawing.empty())
        m_drawing.pop_back();
}

Window* WindowManager::target()
{
    if (!m_drawing.empty())
        return find(m_drawing.back());
    return find(callbackWindow());
}

void WindowManager::recordListRedraw(int32_t item, int32_t value)
{
    const Window* window = target();
    m_listRedraws.push_back({window ? window->ref() : 0, item, value});
}

} // namespace host::ui
