// A test plug-in written against the contract that owns a tabbed dialog, two pages and a palette, and
// writes every event its callbacks see, with what it read from the host, into a log the tests read.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "host/tests/modules/raw_calls.h"
#include "win32/windows.h"
#include "xtapi/dialogs.h"
#include "xtapi/messages.h"
#include "xtapi/operations.h"
#include "xtapi/records.h"
#include "xtapi/status.h"
#include "xtapi/window_callback.h"

#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Window ids, counted from the reserved base.
enum ProbeWindow : int32_t { MainDialog, PageA, PageB, Palette, MissingDialog, DamagedDialog, WindowCount };

int32_t g_base = 0;
int32_t g_menu = 0;
uint16_t g_openItem = 0;
std::string g_log;
int32_t g_tab = 0;
int32_t g_mainPicture = 0;
xt::WindowRef g_pageA = 0;

void log(const char* window, const std::string& what)
{
    g_log += std::string(window) + ": " + what + "\n";
}

std::string eventName(const xt::WindowCallbackRecord& record)
{
    switch (record.event) {
    case xt::WhichResourceEvent: return "which";
    case xt::CreatedEvent: return "created";
    case xt::InitItemsEvent: return "init";
    case xt::WindowOpened: return "open";
    case xt::ItemHit: return "hit " + std::to_string(record.item) + " detail " + std::to_string(record.argument.pair.detail);
    case xt::OkEvent: return "ok";
    case xt::CancelEvent: return "cancel";
    case xt::ClosingEvent: return "closing";
    case xt::AcceptEvent: return "accept";
    case xt::RefillEvent: return "refill";
    case xt::SizeLimitsEvent: return "limits";
    case xt::ProposedSizeEvent: return "proposed";
    case xt::ResizedEvent: return "resized";
    default: return "event " + std::to_string(record.event);
    }
}

void answer(xt::WindowCallbackRecord& record, int32_t resourceId)
{
    static_cast<xt::WhichResourceBlock*>(record.argument.answer)->resourceId = resourceId;
}

xt::TextObject text(const char* chars)
{
    return call<xt::op::NewTextObject>()(chars, 0, static_cast<int32_t>(std::strlen(chars)));
}

/// Reads page A's size field while the main dialog's callback runs, as a dialog reads its pages at OK.
std::string pageASize()
{
    if (call<xt::op::BeginWindowDrawing>()(g_pageA) != 0)
        return "no page";
    xt::Fixed size = -1;
    uint8_t ok = 9;
    call<xt::op::GetFieldNumber>()(7, nullptr, &size, &ok);
    call<xt::op::EndWindowDrawing>()();
    return std::to_string(size) + (ok ? "" : " (not read)");
}

int32_t mainDialog(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    log("main", eventName(record));
    record.handled = 1;
    switch (record.event) {
    case xt::WhichResourceEvent:
        answer(record, 100);
        break;
    case xt::InitItemsEvent:
        call<xt::op::SetItemStyle>()(5, 0x44, 0, 0);
        g_mainPicture = call<xt::op::NewPictureObject>()();
        call<xt::op::LoadBitmapResource>()(g_mainPicture, 0x30000000, 2, 300, 0);
        break;
    case xt::WindowOpened:
        call<xt::op::SetItemPicture>()(5, g_mainPicture);
        call<xt::op::TabOp1685>()(10, g_base + PageA, 0, 0);
        call<xt::op::TabOp1685>()(10, g_base + PageB, 0, 0);
        call<xt::op::TabOp1681>()(10, g_tab);
        break;
    case xt::ItemHit:
        if (record.item == 3)
            call<xt::op::DrawWindowPart1506>()(0, 0, 0);
        break;
    case xt::OkEvent:
        log("main", "size " + pageASize());
        break;
    case xt::ClosingEvent:
        call<xt::op::GetSelectedTab>()(10, &g_tab, 0);
        log("main", "tab " + std::to_string(g_tab));
        g_pageA = 0;
        break;
    default:
        record.handled = 0;
    }
    return 0;
}

void fillPageA()
{
    call<xt::op::DefineRadioGroup>()(1, 2, 0);
    call<xt::op::SetFieldNumber>()(7, 0, 0, xt::UnitHorizontal, 0, 1000 * xt::kFixedOne, 26);
    call<xt::op::SetFieldNumber>()(8, 0, 0, xt::UnitPercent, 0, 10 * xt::kFixedOne, 26);
    call<xt::op::SetPopupMenuResource>()(9, 0, 200);
    const char* rows[] = {"alpha", "beta"};
    for (int32_t i = 0; i < 2; ++i) {
        int32_t row = -1;
        call<xt::op::InsertListItem>()(12, xt::kAppendListRow, &row);
        xt::TextObject rowText = text(rows[i]);
        call<xt::op::SetListEntryText>()(12, row, rowText);
        call<xt::op::DisposeTextObject>()(rowText);
        call<xt::op::SetListEntryValue>()(12, row, 10 * (i + 1));
    }
}

std::string pageAHit(int32_t item)
{
    if (item == 7 || item == 8) {
        xt::Fixed value = -1;
        uint8_t ok = 9;
        call<xt::op::GetFieldNumber>()(item, nullptr, &value, &ok);
        return "value " + std::to_string(value) + " ok " + std::to_string(ok);
    }
    if (item == 1 || item == 2) {
        int32_t on = 0;
        call<xt::op::GetRadioSelection>()(1, &on);
        return "radio " + std::to_string(on);
    }
    if (item == 9 || item == 12) {
        int32_t row = -1;
        int32_t kept = 0;
        int32_t length = 0;
        call<xt::op::GetListSelection>()(item, &row);
        call<xt::op::ListOp1615>()(item, row, 4, &kept, &length);
        return "row " + std::to_string(row) + " value " + std::to_string(kept);
    }
    int16_t value = -1;
    call<xt::op::GetControlValue>()(item, &value);
    return "value " + std::to_string(value);
}

int32_t pageA(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    log("pageA", eventName(record));
    switch (record.event) {
    case xt::WhichResourceEvent:
        answer(record, 101);
        break;
    case xt::CreatedEvent:
        g_pageA = call<xt::op::GetCallbackWindow>()();
        break;
    case xt::InitItemsEvent:
        fillPageA();
        break;
    case xt::WindowOpened:
        call<xt::op::DialogItemOp1568>()(1);
        call<xt::op::SetFieldText>()(7, 0, 12 * xt::kFixedOne);
        call<xt::op::SetControlValue>()(4, 1);
        break;
    case xt::ItemHit:
        log("pageA", pageAHit(record.item));
        break;
    }
    record.handled = 1;
    return 0;
}

int32_t pageB(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    log("pageB", eventName(record));
    if (record.event == xt::WhichResourceEvent)
        answer(record, 102);
    record.handled = 1;
    return 0;
}

int32_t palette(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    log("palette", eventName(record));
    if (record.event == xt::WhichResourceEvent) {
        const xt::Handle preferences = static_cast<xt::WhichResourceBlock*>(record.argument.answer)->value;
        log("palette", "record " + std::to_string(preferences ? call<xt::op::GetHandleSize>()(preferences) : -1));
        answer(record, 103);
    }
    if (record.event == xt::WindowOpened) {
        const xt::WindowRect place{40, 50, 220, 82};
        call<xt::op::WindowOp1520>()(&place);
    }
    if (record.event == xt::SizeLimitsEvent) {
        *static_cast<xt::PaletteSizeLimits*>(record.argument.answer) = {100, 40, 300, 400};
    }
    if (record.event == xt::ProposedSizeEvent) {
        // Whole rows of 14 pixels below a 1-pixel rule, as a palette with a list keeps its height.
        auto& size = *static_cast<xt::PaletteProposedSize*>(record.argument.answer);
        log("palette", "proposed " + std::to_string(size.width) + " x " + std::to_string(size.height));
        size.height = (size.height - 1) / 14 * 14 + 1;
    }
    if (record.event == xt::ResizedEvent) {
        xt::WindowRect place{};
        call<xt::op::WindowOp1519>()(&place);
        log("palette", "resized to " + std::to_string(place.right - place.left) + " x " + std::to_string(place.bottom - place.top));
        const HWND window = static_cast<HWND>(call<xt::op::XdwOp1714>()());
        HDC context = GetDC(window);
        HBRUSH brush = CreateSolidBrush(RGB(255, 128, 0));
        const RECT band{0, 0, place.right - place.left, 14};
        FillRect(context, &band, brush);
        DeleteObject(brush);
        ReleaseDC(window, context);
    }
    if (record.event == xt::ItemHit && record.item == 1) {
        int32_t reads = 0;
        while (call<xt::op::ToolboxOp2071>()() != 0)
            ++reads;
        log("palette", "button held for " + std::to_string(reads) + " reads");
    }
    if (record.event == xt::ClosingEvent) {
        xt::WindowRect place{};
        call<xt::op::WindowOp1519>()(&place);
        int16_t quitting = 0;
        call<xt::op::XaqOp142>()(&quitting);
        log("palette", "at " + std::to_string(place.left) + "," + std::to_string(place.top) + " quitting "
            + std::to_string(quitting));
    }
    record.handled = 1;
    return 0;
}

int32_t otherDialog(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    log("other", eventName(record));
    if (record.event == xt::WhichResourceEvent)
        answer(record, record.windowId == g_base + MissingDialog ? 999 : 105);
    return 0;
}

int32_t onMenuSetup(void*)
{
    int32_t scratch = 0;
    xt::TextObject title = text("Probe");
    call<xt::op::NewMenu>()(&g_menu, title);
    call<xt::op::InsertMenu>()(g_menu, title, -1, &scratch);
    call<xt::op::DisposeTextObject>()(title);
    call<xt::op::NewMenuItemId>()(&g_openItem);
    xt::TextObject label = text("Dialog...");
    call<xt::op::AppendMenuItem>()(g_menu, g_openItem, label);
    call<xt::op::DisposeTextObject>()(label);
    return 0;
}

int32_t onMenuCommand(void* block)
{
    if (static_cast<xt::MenuCommandBlock*>(block)->itemId != g_openItem)
        return 0;
    int32_t result = -1;
    const int32_t status = call<xt::op::OpenDialog>()(g_base + MainDialog, 0, &result);
    log("menu", "dialog status " + std::to_string(status) + " result " + std::to_string(result));
    return 0;
}

int32_t registerCallbacks(xt::RegistrationRecord* record)
{
    if (acquireEverything(record) != 0 || g_base == 0)
        return xt::kStatusRefused;
    record->registerMessageCallback(xt::MenuSetupMessage, &onMenuSetup, 5, 200, 0);
    record->registerMessageCallback(xt::MenuCommandMessage, &onMenuCommand, 5, 200, 0);
    const xt::MessageHandler callbacks[WindowCount] = {&mainDialog, &pageA, &pageB, &palette, &otherDialog, &otherDialog};
    for (int32_t i = 0; i < WindowCount; ++i)
        record->registerMessageCallback(g_base + i, callbacks[i], 5, 200, 0);
    return 0;
}

int32_t registerServices(xt::SetupRecord* record)
{
    return record->reserveWindowIds(WindowCount, &g_base) == 0 ? 0 : xt::kStatusRefused;
}

int32_t libraryEntry(xt::ModuleInstance, uint32_t, void*)
{
    return 1;
}

template <size_t N = 1>
constexpr xt::DialogItemTemplate item(int16_t id, xt::DialogItemKind kind, const char (&label)[N] = "", int32_t value = 0,
    uint8_t flags = 0)
{
    static_assert(N <= xt::kDialogItemTextSize);
    xt::DialogItemTemplate made{id, kind, flags, 0, 0, 40, 12, value, {}};
    for (size_t i = 0; i < N; ++i)
        made.text[i] = label[i];
    return made;
}

using Kind = xt::DialogItemKind;

const xt::DialogResource<6> kMainDialog = {{220, 300, 6, 0, " Probe", ""},
    {item(1, Kind::Button, "OK"), item(2, Kind::Button, "Cancel"), item(3, Kind::Button, "Apply"),
        item(10, Kind::TabControl), item(5, Kind::Picture, "", 0), item(6, Kind::StaticText, "Probe dialog")}};
const xt::DialogResource<10> kPageA = {{190, 200, 10, 0, "Sizes", ""},
    {item(1, Kind::RadioButton, "Small"), item(2, Kind::RadioButton, "Large"), item(4, Kind::CheckBox, "Bold"),
        item(7, Kind::EditText), item(8, Kind::EditText), item(9, Kind::PopupMenu), item(12, Kind::List),
        item(13, Kind::StaticText, "Label"), item(14, Kind::Button, "Off", 0, xt::kDialogItemDisabled),
        item(15, Kind::Frame, "Frame")}};
const xt::DialogResource<1> kPageB = {{190, 200, 1, 0, "More", ""}, {item(1, Kind::CheckBox, "Extra", 1)}};
const xt::DialogResource<2> kPalette = {{119, 21, 2, 0, "|Probe", "QFPalette"},
    {item(1, Kind::Picture, "", 300), item(3, Kind::PopupMenu)}};
const char kMenu200[] = "First\0Second\0Third";
const char kBitmap[] = "BM";

const xt::Resource kResources[] = {
    {xt::kResourceDialog, 100, &kMainDialog, sizeof kMainDialog},
    {xt::kResourceDialog, 101, &kPageA, sizeof kPageA},
    {xt::kResourceDialog, 102, &kPageB, sizeof kPageB},
    {xt::kResourceDialog, 103, &kPalette, sizeof kPalette},
    {xt::kResourceDialog, 105, &kPageA, sizeof kPageA - 1}, // a damaged resource: one byte short
    {xt::kResourceMenu, 200, kMenu200, sizeof kMenu200},
    {xt::kResourceBitmap, 300, kBitmap, sizeof kBitmap},
};

} // namespace

PROBE_EXPORT const xt::ModuleImage XTResourceTable = {
    xt::kModuleImageVersion, &libraryEntry, kResources, static_cast<uint32_t>(std::size(kResources))};

PROBE_EXPORT int32_t XTActivateCallback(xt::ActivationRecord* record)
{
    if ((record->offerXTension(0x624F5250, xt::kOfferWords[0], xt::kOfferWords[1], xt::kOfferWords[2], xt::kOfferWords[3]) & 0xFF) == 0)
        return xt::kStatusRefused;
    record->setActivationValue(xt::kActivationValue);
    record->registerSetupCallback(&registerCallbacks, xt::kCallbackKind, xt::kLevelCallbacks, 0);
    record->registerServiceSetupCallback(&registerServices, xt::kCallbackKind, xt::kLevelServices, 0);
    return 0;
}

/// What the callbacks saw since the last clear, one line each.
PROBE_EXPORT const char* DialogProbeLog()
{
    return g_log.c_str();
}

PROBE_EXPORT void DialogProbeClear()
{
    g_log.clear();
}

PROBE_EXPORT int32_t DialogProbeWindowBase()
{
    return g_base;
}

/// The tab the dialog asks for when it opens next (what it remembered at its last close).
PROBE_EXPORT void DialogProbeSetTab(int32_t index)
{
    g_tab = index;
}
