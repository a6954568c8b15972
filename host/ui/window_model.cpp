// Window item tables, tab controls, picture objects and the current window stack.
#include "host/ui/window_model.h"

namespace host::ui {

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

void Window::setResource(int32_t resourceId, std::string title, std::string windowClass)
{
    m_resourceId = resourceId;
    m_title = std::move(title);
    m_windowClass = std::move(windowClass);
}

TabControl* Window::tabControl(int32_t item)
{
    auto found = m_tabs.find(item);
    return found == m_tabs.end() ? nullptr : &found->second;
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
    // The drawing stack keeps the reference: an EndWindowDrawing still pairs with its BeginWindowDrawing,
    // and references are never reused, so the closed window is simply found no more.
    std::erase_if(m_timers, [&](const WindowTimer& timer) { return timer.window == ref; });
    return m_windows.erase(ref) != 0;
}

Window* WindowManager::find(xt::WindowRef ref)
{
    auto found = m_windows.find(ref);
    return found == m_windows.end() ? nullptr : found->second.get();
}

std::vector<Window*> WindowManager::windowsOfKind(WindowKind kind)
{
    std::vector<Window*> result;
    for (auto& [ref, window] : m_windows) {
        if (window->kind() == kind)
            result.push_back(window.get());
    }
    return result;
}

Window* WindowManager::findByTitle(const std::string& title)
{
    // References grow, so the map's last match is the newest window.
    Window* newest = nullptr;
    for (auto& [ref, window] : m_windows) {
        if (window->kind() != WindowKind::TabPage && window->title() == title)
            newest = window.get();
    }
    return newest;
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

int32_t WindowManager::newPicture()
{
    m_pictures[++m_lastPicture] = Picture{};
    return m_lastPicture;
}

bool WindowManager::setPictureBitmap(int32_t picture, int32_t bitmapId)
{
    Picture* found = this->picture(picture);
    if (!found)
        return false;
    found->bitmap = bitmapId;
    return true;
}

int32_t WindowManager::pictureBitmap(int32_t picture) const
{
    auto found = m_pictures.find(picture);
    return found == m_pictures.end() ? 0 : found->second.bitmap;
}

Picture* WindowManager::picture(int32_t picture)
{
    auto found = m_pictures.find(picture);
    return found == m_pictures.end() ? nullptr : &found->second;
}

int32_t WindowManager::startTimer(xt::WindowRef window, int32_t periodMs)
{
    m_timers.push_back({++m_lastTimer, window, periodMs});
    return m_lastTimer;
}

bool WindowManager::stopTimer(int32_t id)
{
    const auto before = m_timers.size();
    std::erase_if(m_timers, [&](const WindowTimer& timer) { return timer.id == id; });
    return m_timers.size() != before;
}

bool WindowManager::readMouseButton()
{
    if (m_mouseDownReads <= 0)
        return false;
    --m_mouseDownReads;
    return true;
}

} // namespace host::ui
