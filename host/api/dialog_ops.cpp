// Modal dialogs, palettes, closing, window rectangles and redraws, tab controls, the quit flag and the mouse button.
#include <cstring>

#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/ui/dialog_runner.h"
#include "win32/standin.h"
#include "xtapi/dialogs.h"

namespace host::api {
namespace {

ui::Window* target()
{
    return context().windows().target();
}

ui::TabControl* tabControl(int32_t item)
{
    ui::Window* window = target();
    return window ? window->tabControl(item) : nullptr;
}

int32_t OpenDialog(int32_t windowId, int32_t, int32_t* result)
{
    return ui::runModalDialog(windowId, result);
}

int32_t OpenPalette(int32_t windowId, xt::Handle record, xt::WindowRef* window)
{
    return ui::openPalette(windowId, record, window);
}

/// The part 1 is the OK button: a modal dialog then ends as through it.
int32_t DrawWindowPart1506(int32_t part, int32_t, int32_t)
{
    constexpr int32_t kOkPart = 1;
    return ui::closeCurrentWindow(part == kOkPart ? ui::DialogOutcome::Ok : ui::DialogOutcome::Closed);
}

/// Closes the current window as its close box does (the plug-ins pass 2).
int32_t WindowOp1507(int32_t)
{
    return ui::closeCurrentWindow();
}

int32_t OpenModelessWindow(int32_t windowId, xt::WindowRef* window)
{
    return ui::openModeless(windowId, window);
}

/// The platform handle stands for the window: its reference, never 0 for an open window.
void* XdwOp1714()
{
    ui::Window* window = target();
    return window ? reinterpret_cast<void*>(static_cast<intptr_t>(window->ref())) : nullptr;
}

void WindowOp1509()
{
    if (ui::Window* window = target()) {
        window->redraw();
        ui::noteModelessShown(*window);
    }
}

void WindowOp1510()
{
    WindowOp1509();
}

int32_t WindowOp1519(void* rect)
{
    ui::Window* window = target();
    if (!window || !rect)
        return -1;
    std::memcpy(rect, &window->rect(), sizeof(xt::WindowRect));
    return 0;
}

int32_t WindowOp1520(const void* rect)
{
    ui::Window* window = target();
    if (!window || !rect)
        return -1;
    xt::WindowRect moved{};
    std::memcpy(&moved, rect, sizeof moved);
    if (moved.right < moved.left || moved.bottom < moved.top)
        return -1;
    window->setRect(moved);
    return 0;
}

int32_t GetHostWindowHandle(void** window)
{
    if (!window)
        return -1;
    *window = win32::hostWindow();
    return 0;
}

/// Code 5 reads the window's rectangle, which the caller moves and hands to WindowOp1520.
int32_t WindowOp1540(int32_t code, void* rect)
{
    constexpr int32_t kWindowRectangle = 5;
    if (code != kWindowRectangle)
        return -1;
    return WindowOp1519(rect);
}

/// One byte, so that a 16-bit or an 8-bit flag both read 1 while the host quits.
int32_t XaqOp142(void* flag)
{
    if (!flag)
        return -1;
    const uint8_t quitting = context().windows().quitting() ? 1 : 0;
    std::memcpy(flag, &quitting, 1);
    return 0;
}

int32_t ToolboxOp2071()
{
    return context().windows().readMouseButton() ? 1 : 0;
}

int32_t TabOp1680(int32_t item, int32_t value)
{
    ui::Window* window = target();
    ui::WindowItem* tabs = window ? window->item(item) : nullptr;
    if (!tabs || tabs->kind() != ui::ItemKind::TabPane)
        return -1;
    tabs->setSetupValue("tabs", value);
    return 0;
}

int32_t TabOp1685(int32_t item, int32_t pageWindowId, int32_t, int32_t)
{
    ui::TabControl* tabs = tabControl(item);
    if (!tabs)
        return -1;
    tabs->pages.push_back({pageWindowId, 0});
    return 0;
}

/// The host shows the page once the running event is done; an index past the last tab selects the last.
int32_t TabOp1681(int32_t item, int32_t index)
{
    ui::TabControl* tabs = tabControl(item);
    if (!tabs || index < 0)
        return -1;
    tabs->selected = index;
    return 0;
}

int32_t GetSelectedTab(int32_t item, int32_t* index, int32_t)
{
    ui::TabControl* tabs = tabControl(item);
    if (!tabs || !index)
        return -1;
    *index = tabs->front >= 0 ? tabs->front : tabs->selected;
    return 0;
}

} // namespace

void registerDialogOps(OperationRegistry& registry)
{
    registry.add<xt::op::OpenDialog, &OpenDialog>();
    registry.add<xt::op::OpenPalette, &OpenPalette>();
    registry.add<xt::op::DrawWindowPart1506, &DrawWindowPart1506>();
    registry.add<xt::op::WindowOp1507, &WindowOp1507>();
    registry.add<xt::op::OpenModelessWindow, &OpenModelessWindow>();
    registry.add<xt::op::XdwOp1714, &XdwOp1714>();
    registry.add<xt::op::WindowOp1509, &WindowOp1509>();
    registry.add<xt::op::WindowOp1510, &WindowOp1510>();
    registry.add<xt::op::WindowOp1519, &WindowOp1519>();
    registry.add<xt::op::WindowOp1520, &WindowOp1520>();
    registry.add<xt::op::GetHostWindowHandle, &GetHostWindowHandle>();
    registry.add<xt::op::WindowOp1540, &WindowOp1540>();
    registry.add<xt::op::XaqOp142, &XaqOp142>();
    registry.add<xt::op::ToolboxOp2071, &ToolboxOp2071>();
    registry.add<xt::op::TabOp1680, &TabOp1680>();
    registry.add<xt::op::TabOp1685, &TabOp1685>();
    registry.add<xt::op::TabOp1681, &TabOp1681>();
    registry.add<xt::op::GetSelectedTab, &GetSelectedTab>();
}

} // namespace host::api
