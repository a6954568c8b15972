// Windows as the host models them: a table of items per window, tab pages, pictures, and the current window stack.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/ui/chooser_user.h"
#include "host/ui/dialog_script.h"
#include "host/ui/picture.h"
#include "host/ui/window_item.h"
#include "xtapi/dialogs.h"
#include "xtapi/types.h"

namespace host::ui {

enum class WindowKind : uint8_t { Plain, Dialog, TabPage, Palette, Modeless };

/// A periodic event (13) a window asked for (AttachItemObject1526).
struct WindowTimer {
    int32_t id;
    xt::WindowRef window;
    int32_t periodMs;
};

/// A tab control's pages: child windows with their own callbacks, created when first brought to the front.
struct TabControl {
    struct Page {
        int32_t windowId;
        xt::WindowRef window = 0; // 0 until the page has been created
    };
    std::vector<Page> pages;
    int32_t selected = 0;  // the tab the plug-in or the user chose
    int32_t front = -1;    // the tab whose page is showing, -1 before any is
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

    WindowKind kind() const { return m_kind; }
    void setKind(WindowKind kind) { m_kind = kind; }
    int32_t resourceId() const { return m_resourceId; }
    const std::string& title() const { return m_title; }
    const std::string& windowClass() const { return m_windowClass; }
    void setResource(int32_t resourceId, std::string title, std::string windowClass);
    /// The dialog a tab page belongs to, 0 for a top-level window.
    xt::WindowRef parent() const { return m_parent; }
    void setParent(xt::WindowRef parent) { m_parent = parent; }

    const xt::WindowRect& rect() const { return m_rect; }
    void setRect(const xt::WindowRect& rect) { m_rect = rect; }

    TabControl* tabControl(int32_t item);
    TabControl& addTabControl(int32_t item) { return m_tabs[item]; }
    const std::map<int32_t, TabControl>& tabControls() const { return m_tabs; }

    /// Set when the plug-in closes the window itself (DrawWindowPart1506); a modal run then ends.
    bool closeRequested() const { return m_closeRequested; }
    /// A modal run then ends as `how` says: closed, or as through its OK button.
    void requestClose(DialogOutcome how = DialogOutcome::Closed)
    {
        m_closeRequested = true;
        m_closeOutcome = how;
    }
    void withdrawCloseRequest() { m_closeRequested = false; }
    DialogOutcome closeOutcome() const { return m_closeOutcome; }
    int32_t redrawCount() const { return m_redraws; }
    void redraw() { ++m_redraws; }
    /// The texts a modeless window showed last, as the session printed them.
    const std::string& shownText() const { return m_shownText; }
    void setShownText(std::string text) { m_shownText = std::move(text); }

    /// The item that has the keyboard focus, 0 for none: the host gives it to a field whose text it refused.
    int32_t focusedItem() const { return m_focus; }
    void setFocusedItem(int32_t item) { m_focus = item; }

private:
    xt::WindowRef m_ref;
    int32_t m_windowId;
    std::map<int32_t, WindowItem> m_items;
    WindowKind m_kind = WindowKind::Plain;
    int32_t m_resourceId = 0;
    std::string m_title;
    std::string m_windowClass;
    xt::WindowRef m_parent = 0;
    xt::WindowRect m_rect{};
    std::map<int32_t, TabControl> m_tabs;
    bool m_closeRequested = false;
    DialogOutcome m_closeOutcome = DialogOutcome::Closed;
    int32_t m_redraws = 0;
    int32_t m_focus = 0;
    std::string m_shownText;
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
    /// The open windows of a kind, oldest first.
    std::vector<Window*> windowsOfKind(WindowKind kind);
    /// The newest open window (not a tab page) whose title is `title`, or null.
    Window* findByTitle(const std::string& title);

    /// What modeless windows (progress boxes) showed, one line each, for the session to print.
    void noteWindow(std::string line) { m_windowLines.push_back(std::move(line)); }
    const std::vector<std::string>& windowLines() const { return m_windowLines; }

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

    /// Picture objects: each holds a bitmap resource id (0 when empty).
    int32_t newPicture();
    bool hasPicture(int32_t picture) const { return m_pictures.count(picture) != 0; }
    bool setPictureBitmap(int32_t picture, int32_t bitmapId);
    int32_t pictureBitmap(int32_t picture) const;
    /// What the picture holds, or null for no such picture object.
    Picture* picture(int32_t picture);
    /// Timers: each idle round of the host (and each action of the scripted user in a dialog) lets every
    /// running timer go off once. A closed window's timers stop.
    int32_t startTimer(xt::WindowRef window, int32_t periodMs);
    bool stopTimer(int32_t id);
    const std::vector<WindowTimer>& timers() const { return m_timers; }

    /// The scripted user of dialogs and palettes, and what happened to each dialog.
    DialogUser& dialogUser() { return m_dialogUser; }
    DialogLog& dialogLog() { return m_dialogLog; }
    /// The scripted user of the file, folder and colour choosers.
    ChooserUser& chooserUser() { return m_chooserUser; }

    /// XaqOp142's answer: whether the host is quitting.
    bool quitting() const { return m_quitting; }
    void setQuitting(bool quitting) { m_quitting = quitting; }
    /// ToolboxOp2071 reports the mouse button down for the next `reads` calls.
    void holdMouseButton(int32_t reads) { m_mouseDownReads = reads; }
    bool readMouseButton();

private:
    std::map<xt::WindowRef, std::unique_ptr<Window>> m_windows;
    std::vector<xt::WindowRef> m_drawing;
    std::vector<xt::WindowRef> m_callbackWindows;
    std::vector<ListRedrawRecord> m_listRedraws;
    std::map<int32_t, Picture> m_pictures;
    int32_t m_lastPicture = 0;
    int32_t m_lastTimer = 0;
    std::vector<WindowTimer> m_timers;
    std::vector<std::string> m_windowLines;
    DialogUser m_dialogUser;
    DialogLog m_dialogLog;
    ChooserUser m_chooserUser;
    bool m_quitting = false;
    int32_t m_mouseDownReads = 0;
};

} // namespace host::ui
