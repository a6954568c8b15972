// The selection mouse hook: on a left-button press it records the current box and its bounds.
#include "amplex/startup/mouse_hook.h"

#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"

namespace amplex {
namespace {

constexpr size_t kKindOffset = 40;
constexpr size_t kGroupFlagsOffset = 388;
constexpr uint8_t kGroupKind = 2;
constexpr uint8_t kUnscaledPlainKind = 5;
constexpr uint8_t kSelectionGroupBit = 0x01;

HHOOK g_hook = nullptr;
ClickRecord g_click;

void forgetMembers()
{
    if (g_click.members)
        xt::calls::DisposeHandle(g_click.members);
    g_click.members = nullptr;
    g_click.memberCount = 0;
}

void clearClickedItem()
{
    g_click.item = 0;
    std::memset(g_click.bounds, 0, sizeof g_click.bounds);
}

void readBounds(int32_t box)
{
    g_click.item = box;
    xt::calls::ItemOp224(box, g_click.bounds, 0, 0);
    for (xt::Fixed& value : g_click.bounds)
        value -= xt::kFixedOne;
}

/// Keeps the group's member list; the list is the caller's to free, so no copy is needed.
void keepMembers(int32_t group)
{
    forgetMembers();
    g_click.groupFlag = true;
    xt::Handle list = nullptr;
    int16_t count = 0;
    xt::calls::GroupOp720(group, &list, &count);
    g_click.members = list;
    g_click.memberCount = list ? count : 0;
}

void noteBox(int32_t box)
{
    auto* record = static_cast<const uint8_t*>(xt::calls::GetBoxRecord(nullptr, box, 0));
    if (!record) {
        clearClickedItem();
        return;
    }
    const uint8_t kind = record[kKindOffset];
    if (kind == kGroupKind) {
        g_click.kindFlag = false;
        if ((record[kGroupFlagsOffset] & kSelectionGroupBit) == 0) {
            g_click.groupFlag = false;
            g_click.box = box;
        } else {
            keepMembers(box);
        }
        readBounds(box);
    } else if (kind == kUnscaledPlainKind) {
        clearClickedItem();
    } else {
        g_click.kindFlag = true;
        g_click.box = box;
        readBounds(box);
    }
    xt::calls::ReleaseBoxRecord(const_cast<uint8_t*>(record), 1);
}

void notePress()
{
    int16_t document = -1;
    xt::calls::GetCurrentDocument(&document);
    int32_t box = 0;
    if (document >= 0)
        xt::calls::HostResult3184(xt::calls::GetCurrentBox(&box));
    if (document < 0 || box == 0) {
        clearClickedItem();
        return;
    }
    noteBox(box);
}

} // namespace

const ClickRecord& lastClick()
{
    return g_click;
}

LRESULT CALLBACK SelectionMouseHook(int code, WPARAM message, LPARAM data)
{
    if (code >= 0 && message == WM_LBUTTONDOWN)
        notePress();
    return CallNextHookEx(g_hook, code, message, data);
}

void installSelectionHook()
{
    if (g_hook)
        return;
    g_hook = SetWindowsHookExA(WH_MOUSE, &SelectionMouseHook, foundation::moduleInstance(), GetCurrentThreadId());
}

void removeSelectionHook()
{
    if (g_hook)
        UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    forgetMembers();
    g_click = ClickRecord{};
}

bool selectionHookInstalled()
{
    return g_hook != nullptr;
}

} // namespace amplex
