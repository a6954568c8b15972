// Window events to plug-in callbacks, and windows built from the plug-in's dialog resources.
#include "host/ui/window_events.h"

#include <algorithm>
#include <initializer_list>

#include "host/host.h"
#include "host/host_context.h"
#include "host/ui/dialog_resource.h"
#include "win32/standin.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace host::ui {
namespace {

/// Asks the callback which dialog resource the window shows; 0 when it names none.
int32_t askResource(xt::WindowRef ref, int32_t windowId, xt::Handle value)
{
    xt::WhichResourceBlock block{0, 0, value};
    xt::WindowCallbackRecord record{};
    record.windowId = windowId;
    record.event = xt::WhichResourceEvent;
    record.argument.answer = &block;
    Host::current()->sendWindowEvent(ref, record);
    return block.resourceId;
}

std::optional<std::string> loadResource(Window& window, int32_t resourceId)
{
    const auto callback = context().plugins().windowCallback(window.windowId());
    const xt::ModuleImage* image = callback ? callback->module->image : nullptr;
    const xt::Resource* resource = image ? win32::findResource(image, xt::kResourceDialog, resourceId) : nullptr;
    if (!resource)
        return "the plug-in has no dialog resource " + std::to_string(resourceId);
    auto read = readDialogResource(resource->data, resource->size);
    if (const auto* why = std::get_if<std::string>(&read))
        return "dialog resource " + std::to_string(resourceId) + ": " + *why;
    buildWindow(window, resourceId, std::get<DialogTemplate>(read));
    return std::nullopt;
}

} // namespace

WindowManager& windowManager()
{
    return context().windows();
}

xt::WindowRef newWindowRef()
{
    return context().documents().references().next();
}

std::optional<int32_t> sendEventForAnswer(xt::WindowRef ref, int32_t event, int32_t item, int32_t detail)
{
    Window* window = windowManager().find(ref);
    if (!window)
        return std::nullopt;
    xt::WindowCallbackRecord record{};
    record.windowId = window->windowId();
    record.event = event;
    record.item = item;
    record.argument.pair.value = detail;
    record.argument.pair.detail = detail;
    if (Host::current()->sendWindowEvent(ref, record) == -1)
        return std::nullopt;
    return record.handled;
}

std::optional<int32_t> sendEventWithAnswer(xt::WindowRef ref, int32_t event, void* answer)
{
    Window* window = windowManager().find(ref);
    if (!window)
        return std::nullopt;
    xt::WindowCallbackRecord record{};
    record.windowId = window->windowId();
    record.event = event;
    record.argument.answer = answer;
    if (Host::current()->sendWindowEvent(ref, record) == -1)
        return std::nullopt;
    return record.handled;
}

bool sendCellClick(xt::WindowRef ref, int32_t item, int32_t row, int32_t column)
{
    Window* window = windowManager().find(ref);
    if (!window)
        return false;
    xt::WindowCallbackRecord record{};
    record.windowId = window->windowId();
    record.event = xt::ItemHit;
    record.item = item;
    record.argument.pair.value = xt::CellClicked;
    record.argument.pair.detail = row;
    record.column = column;
    return Host::current()->sendWindowEvent(ref, record) != -1;
}

bool sendEvent(xt::WindowRef ref, int32_t event, int32_t item, int32_t detail)
{
    return sendEventForAnswer(ref, event, item, detail).has_value();
}

std::optional<std::string> createWindow(xt::WindowRef ref, int32_t windowId, WindowKind kind, xt::WindowRef parent,
    xt::Handle value)
{
    if (!Host::current()->hasWindowCallback(windowId))
        return "no plug-in registered window " + std::to_string(windowId);
    Window& window = windowManager().open(ref, windowId);
    window.setKind(kind);
    window.setParent(parent);
    const int32_t resourceId = askResource(ref, windowId, value);
    Window* opened = windowManager().find(ref);
    auto problem = opened ? loadResource(*opened, resourceId) : std::optional<std::string>("the window closed itself");
    if (problem) {
        windowManager().close(ref);
        return problem;
    }
    for (int32_t event : std::initializer_list<int32_t>{xt::CreatedEvent, xt::InitItemsEvent, xt::WindowOpened})
        sendEvent(ref, event);
    return std::nullopt;
}

void tickTimers()
{
    // A timer's event may start or stop timers, or close windows: go by a copy and check each.
    const std::vector<WindowTimer> timers = windowManager().timers();
    for (const WindowTimer& timer : timers) {
        const auto& running = windowManager().timers();
        const bool stillRunning = std::any_of(running.begin(), running.end(), [&](const WindowTimer& t) { return t.id == timer.id; });
        if (stillRunning)
            sendEvent(timer.window, xt::TimerEvent, 0, timer.id);
    }
}

void turnOnRadio(Window& window, int32_t item)
{
    WindowItem* chosen = window.item(item);
    if (!chosen)
        return;
    const int32_t group = chosen->radioGroup();
    for (auto& [number, other] : window.items()) {
        if (group != 0 && other.radioGroup() == group)
            window.item(number)->setValue(0);
    }
    chosen->setValue(1);
}

Window* frontPage(Window& dialog)
{
    for (const auto& [item, tabs] : dialog.tabControls()) {
        if (tabs.front < 0 || tabs.front >= static_cast<int32_t>(tabs.pages.size()))
            continue;
        return windowManager().find(tabs.pages[static_cast<size_t>(tabs.front)].window);
    }
    return nullptr;
}

} // namespace host::ui
