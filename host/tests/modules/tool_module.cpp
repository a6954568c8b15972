// A test plug-in written against the contract that registers a tool, as the eyedropper does, and on
// each click with it polls the mouse button and the Alt key, and reads the cursor, into a log.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "host/tests/modules/raw_calls.h"
#include "win32/windows.h"
#include "xtapi/box_record.h"
#include "xtapi/messages.h"
#include "xtapi/operations.h"
#include "xtapi/page_records.h"
#include "xtapi/records.h"
#include "xtapi/status.h"

#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr xt::XTensionId kId = 0x6C6F6F54;
constexpr int32_t kToolIcon = 20000;

HINSTANCE g_instance = nullptr;
int32_t g_tool = 0;
HHOOK g_hook = nullptr;
std::string g_log;

void note(const std::string& line)
{
    g_log += line + "\n";
}

bool buttonDown()
{
    return GetAsyncKeyState(VK_LBUTTON) < 0;
}

/// What the eyedropper does: wait for the click's release, then watch the cursor until the next press.
int32_t onToolClick(void* block)
{
    const int32_t tool = static_cast<xt::ToolClickBlock*>(block)->tool;
    if (tool != g_tool)
        return 0;
    int pollsDown = 0;
    while (buttonDown())
        ++pollsDown;
    int pollsUp = 0;
    while (!buttonDown())
        ++pollsUp;
    const bool alt = GetAsyncKeyState(VK_MENU) < 0;
    POINT cursor{};
    GetCursorPos(&cursor);
    HDC screen = GetDC(nullptr);
    char pixel[16];
    std::snprintf(pixel, sizeof pixel, "%06X", static_cast<unsigned>(GetPixel(screen, cursor.x, cursor.y)));
    ReleaseDC(nullptr, screen);
    int pollsHeld = 0;
    while (call<xt::op::ToolboxOp2062>()() != 0)
        ++pollsHeld;
    note("click: " + std::to_string(pollsDown) + " down, " + std::to_string(pollsUp) + " up, alt "
        + (alt ? "down" : "up") + " at the press, cursor " + std::to_string(cursor.x) + "," + std::to_string(cursor.y)
        + " pixel " + pixel + ", held " + std::to_string(pollsHeld));
    call<xt::op::SetCurrentTool>()(0);
    return 0;
}

/// What Rulora does with a guide event: keeps a copy of the list, writes 0 in its place and answers 1.
int32_t onGuideEvent(void* block)
{
    auto* event = static_cast<xt::GuideEventBlock*>(block);
    const auto header = xt::readAt<xt::GuideListHeader>(*event->list);
    note("guide event: index " + std::to_string(event->index) + " of " + std::to_string(header.verticalCount) + "+"
        + std::to_string(header.horizontalCount));
    event->list = nullptr;
    return 1;
}

int16_t printingOver()
{
    int16_t over = -1;
    call<xt::op::XpsOp1133>()(&over);
    return over;
}

int32_t onRulesPrinted(void*)
{
    note("rules printed, over " + std::to_string(printingOver()));
    return 0;
}

int32_t g_menu = 0;
uint16_t g_printItem = 0;
uint16_t g_stampItem = 0;

xt::TextObject text(const char* chars)
{
    return call<xt::op::NewTextObject>()(chars, 0, static_cast<int32_t>(std::strlen(chars)));
}

uint16_t addItem(const char* label)
{
    uint16_t id = 0;
    call<xt::op::NewMenuItemId>()(&id);
    xt::TextObject words = text(label);
    call<xt::op::AppendMenuItem>()(g_menu, id, words);
    call<xt::op::DisposeTextObject>()(words);
    return id;
}

int32_t onMenuSetup(void*)
{
    int32_t scratch = 0;
    xt::TextObject title = text("Tool Probe");
    call<xt::op::NewMenu>()(&g_menu, title);
    call<xt::op::InsertMenu>()(g_menu, title, -1, &scratch);
    call<xt::op::DisposeTextObject>()(title);
    g_printItem = addItem("Print");
    g_stampItem = addItem("Stamp");
    return 0;
}

/// Prints the current layout as Print Guides does, or notes the date and time as a slug would.
int32_t onMenuCommand(void* block)
{
    const uint16_t item = static_cast<xt::MenuCommandBlock*>(block)->itemId;
    if (item == g_printItem) {
        int16_t id = -1;
        call<xt::op::GetCurrentDocument>()(&id);
        const xt::DocumentRef document = call<xt::op::GetDocumentRef>()(id);
        char buffer[64] = {};
        int32_t status = call<xt::op::XpsOp2244>()(document, buffer);
        status |= call<xt::op::XpsOp2247>()(buffer);
        status |= call<xt::op::XpsOp3409>()(document);
        note("print status " + std::to_string(status) + ", over " + std::to_string(printingOver()));
    }
    if (item == g_stampItem) {
        char day[32] = {};
        char clockTime[32] = {};
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, day, sizeof day);
        GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, clockTime, sizeof clockTime);
        note(std::string("stamp: ") + day + " " + clockTime);
    }
    return 0;
}

LRESULT onMouse(int code, WPARAM message, LPARAM event)
{
    note("hook: tool " + std::to_string(call<xt::op::GetCurrentTool>()()));
    return CallNextHookEx(g_hook, code, message, event);
}

int32_t registerCallbacks(xt::RegistrationRecord* record)
{
    if (acquireEverything(record) != 0)
        return xt::kStatusRefused;
    const int32_t icon = call<xt::op::ToolboxOp1981>()(kToolIcon, 0);
    g_tool = static_cast<int16_t>(call<xt::op::ResourceFileOp1843>()(kId, 0, icon));
    record->registerMessageCallback(xt::ToolClickMessage, &onToolClick, 5, 200, 0);
    record->registerMessageCallback(xt::GuideEventMessage, &onGuideEvent, 5, 200, 0);
    record->registerMessageCallback(xt::RulesPrintedMessage, &onRulesPrinted, 5, 200, 0);
    record->registerMessageCallback(xt::MenuSetupMessage, &onMenuSetup, 5, 200, 0);
    record->registerMessageCallback(xt::MenuCommandMessage, &onMenuCommand, 5, 200, 0);
    call<xt::op::ToolboxOp2165>()();
    g_hook = SetWindowsHookExA(WH_MOUSE, &onMouse, g_instance, GetCurrentThreadId());
    return 0;
}

int32_t registerServices(xt::SetupRecord*)
{
    return 0;
}

int32_t libraryEntry(xt::ModuleInstance instance, uint32_t, void*)
{
    g_instance = static_cast<HINSTANCE>(instance);
    return 1;
}

const uint8_t kIcon[] = {0, 0, 1, 0};

const xt::Resource kResources[] = {
    {xt::kResourceGroupIcon, kToolIcon, kIcon, sizeof kIcon},
};

} // namespace

PROBE_EXPORT const xt::ModuleImage XTResourceTable = {
    xt::kModuleImageVersion, &libraryEntry, kResources, static_cast<uint32_t>(std::size(kResources))};

PROBE_EXPORT int32_t XTActivateCallback(xt::ActivationRecord* record)
{
    if ((record->offerXTension(kId, xt::kOfferWords[0], xt::kOfferWords[1], xt::kOfferWords[2], xt::kOfferWords[3]) & 0xFF) == 0)
        return xt::kStatusRefused;
    record->setActivationValue(xt::kActivationValue);
    record->registerSetupCallback(&registerCallbacks, xt::kCallbackKind, xt::kLevelCallbacks, 0);
    record->registerServiceSetupCallback(&registerServices, xt::kCallbackKind, xt::kLevelServices, 0);
    return 0;
}

/// The tool number the host gave, and what the module saw since the last clear, one line each.
PROBE_EXPORT int32_t ToolProbeTool()
{
    return g_tool;
}

PROBE_EXPORT const char* ToolProbeLog()
{
    return g_log.c_str();
}

PROBE_EXPORT void ToolProbeClear()
{
    g_log.clear();
}
