// Windows as the host models them: a table of items per window, and the current window stack.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "xtapi/types.h"

namespace host::ui {

enum class ItemKind : uint8_t { Button, CheckBox, RadioButton, EditText, StaticText, PopupMenu, List, Picture, TabPane };

/// One item of a window's item table.
class WindowItem {
public:
    explicit WindowItem(ItemKind kind) : m_kind(kind) {}

    ItemKind kind() const { return m_kind; }
    const std::string& text() const { return m_text; }
    int32_t value() const { return m_value; }
    bool enabled() const { return m_enabled; }
    bool visible() const { return m_visible; }

    void setText(std::string text) { m_text = std::move(text); }
    void setValue(int32_t value) { m_value = value; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    void setVisible(bool visible) { m_visible = visible; }

    // List rows; -1 is "no selection".
    int32_t rowCount() const { return static_cast<int32_t>(m_rows.size()); }
    const std::vector<std::string>& rows() const { return m_rows; }
    const std::string& row(int32_t index) const { return m_rows.at(static_cast<size_t>(index)); }
    int32_t selection() const { return m_selection; }
    /// Inserts an empty row before `index` (index == rowCount() appends); false for an index out of range.
    bool insertRow(int32_t index);
    bool deleteRow(int32_t index);
    bool setRowText(int32_t index, std::string text);
    bool select(int32_t index);

private:
    ItemKind m_kind;
    std::string m_text;
    int32_t m_value = 0;
    bool m_enabled = true;
    bool m_visible = true;
    std::vector<std::string> m_rows;
    int32_t m_selection = -1;
};

class Window {
public:
    Window(xt::WindowRef ref, int32_t windowId) : m_ref(ref), m_windowId(windowId) {}

    xt::WindowRef ref() const { return m_ref; }
    /// The id the plug-in registered the window's callback under.
    int32_t windowId() const { return m_windowId; }

    WindowItem& addItem(int32_t number, ItemKind kind);
    WindowItem* item(int32_t number);
    const WindowItem* item(int32_t number) const;
    const std::map<int32_t, WindowItem>& items() const { return m_items; }

private:
    xt::WindowRef m_ref;
    int32_t m_windowId;
    std::map<int32_t, WindowItem> m_items;
};

/// A call of ListOp1600 as the host saw it (the plug-ins bracket list refills with 0 and 1).
struct ListRedrawRecord {
    xt::WindowRef window;
    int32_t item;
    int32_t value;
};

class WindowManager {
public:
    Window& open(xt::WindowRef ref, int32_t windowId);
    bool close(xt::WindowRef ref);
    Window* find(xt::WindowRef ref);

    /// The window whose callback is running, if any (GetCallbackWindow).
    xt::WindowRef callbackWindow() const { return m_callbackWindows.empty() ? 0 : m_callbackWindows.back(); }
    void enterCallback(xt::WindowRef ref) { m_callbackWindows.push_back(ref); }
    void leaveCallback() { m_callbackWindows.pop_back(); }

    /// BeginWindowDrawing and EndWindowDrawing nest; the innermost window is the target of item-only calls.
    bool beginDrawing(xt::WindowRef ref);
    void endDrawing();
    /// The window that item-only calls act on: the innermost drawing window, else the callback's window.
    Window* target();

    void recordListRedraw(int32_t item, int32_t value);
    const std::vector<ListRedrawRecord>& listRedraws() const { return m_listRedraws; }

private:
    std::map<xt::WindowRef, std::unique_ptr<Window>> m_windows;
    std::vector<xt::WindowRef> m_drawing;
    std::vector<xt::WindowRef> m_callbackWindows;
    std::vector<ListRedrawRecord> m_listRedraws;
};

} // namespace host::ui
