// A test plug-in written against the contract that drives the host's menus, fields, lists, events and
// modeless windows the way the plug-ins do, and writes what it saw into a log the tests read.
#include <cstdint>
#include <cstring>
#include <string>

#include "host/tests/modules/raw_calls.h"
#include "win32/windows.h"
#include "xtapi/colour_records.h"
#include "xtapi/dialogs.h"
#include "xtapi/file_dialogs.h"
#include "xtapi/messages.h"
#include "xtapi/operations.h"
#include "xtapi/records.h"
#include "xtapi/status.h"
#include "xtapi/window_callback.h"

#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

enum ProbeWindow : int32_t { FieldsDialog, ListDialog, ProgressBox, WindowCount };

int32_t g_base = 0;
int32_t g_menu = 0;
uint16_t g_fieldsItem = 0;
uint16_t g_toolsItem = 0;
uint16_t g_gridsItem = 0;
uint16_t g_guidesItem = 0;
uint16_t g_progressItem = 0;
uint16_t g_choosersItem = 0;
int32_t g_submenu = 0;
int32_t g_timer = 0;
xt::WindowRef g_progress = 0;
std::string g_log;
const xt::ModuleImage* g_image = nullptr;

void log(const std::string& what)
{
    g_log += what + "\n";
}

xt::TextObject text(const char* chars)
{
    return call<xt::op::NewTextObject>()(chars, 0, static_cast<int32_t>(std::strlen(chars)));
}

void answer(xt::WindowCallbackRecord& record, int32_t resourceId)
{
    static_cast<xt::WhichResourceBlock*>(record.argument.answer)->resourceId = resourceId;
}

std::string fieldText(int32_t item)
{
    xt::TextObject read = nullptr;
    uint8_t ok = 0;
    call<xt::op::GetFieldNumber>()(item, &read, nullptr, &ok);
    if (!read)
        return "(no text)";
    std::string chars = call<xt::op::GetTextObjectChars>()(read);
    call<xt::op::DisposeTextObject>()(read);
    return chars;
}

std::string fieldNumber(int32_t item)
{
    xt::Fixed value = -1;
    uint8_t ok = 0;
    call<xt::op::GetFieldNumber>()(item, nullptr, &value, &ok);
    return ok ? std::to_string(value) : std::string("unreadable");
}

void setUpFields()
{
    call<xt::op::SetFieldNumber>()(3, 1, 0, xt::UnitText, 0, 0, -3);
    call<xt::op::SetFieldNumber>()(4, 1, 0, xt::UnitWholeNumber, xt::kFixedOne, 10 * xt::kFixedOne, 0x1A);
    call<xt::op::SetFieldNumber>()(5, 0, 1, xt::UnitDegrees, xt::kFixedOne, 360 * xt::kFixedOne, 26);
    xt::TextObject bullet = text("\xE2\x80\xA2 bullet");
    call<xt::op::SetFieldText>()(3, bullet, 0);
    call<xt::op::DisposeTextObject>()(bullet);
    call<xt::op::SetFieldText>()(4, nullptr, 2 * xt::kFixedOne);
}

/// OK is refused (handled 2) while the text field is empty: the host takes any text there, the dialog does not.
void onFieldsOk(xt::WindowCallbackRecord& record)
{
    const std::string text = fieldText(3);
    if (text.empty()) {
        log("ok refused: no text");
        record.handled = 2;
        return;
    }
    log("ok: text " + text + ", count " + fieldNumber(4) + ", angle " + fieldNumber(5));
}

int32_t fieldsDialog(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    record.handled = 1;
    switch (record.event) {
    case xt::WhichResourceEvent:
        answer(record, 400);
        break;
    case xt::InitItemsEvent:
        setUpFields();
        break;
    case xt::WindowOpened:
        log("opened: text " + fieldText(3) + ", count " + fieldText(4));
        break;
    case xt::OkEvent:
        onFieldsOk(record);
        break;
    case xt::CancelEvent:
        log("cancel");
        break;
    default:
        record.handled = 0;
    }
    return 0;
}

/// Column 0 shows a swatch with the row's name, column 1 an icon; each row keeps two bytes.
void fillList()
{
    const char* names[] = {"Red", "Moss"};
    const uint16_t reds[] = {0xFFFF, 0x4000};
    for (int16_t i = 0; i < 2; ++i) {
        int32_t row = -1;
        call<xt::op::InsertListItem>()(4, xt::kAppendListRow, &row);
        const int16_t data = static_cast<int16_t>(70 + i);
        call<xt::op::ListOp1614>()(4, row, 2, &data);
        xt::TextObject label = text(names[i]);
        call<xt::op::SetListEntryText>()(4, row, label);
        call<xt::op::DisposeTextObject>()(label);
        const int32_t swatch = call<xt::op::NewPictureObject>()();
        const xt::ColourSwatch colour{reds[i], 0x8000, 0, i};
        call<xt::op::DrawingOp1784>()(swatch, &colour, 0x40000000);
        call<xt::op::DrawingOp1783>()(swatch, 0x30000000, 0, 5, 14);
        xt::TextObject name = text(names[i]);
        call<xt::op::DrawingOp3465>()(swatch, name);
        call<xt::op::DisposeTextObject>()(name);
        call<xt::op::ListOp1638>()(4, row, 0, swatch);
        const int32_t icon = call<xt::op::NewPictureObject>()();
        call<xt::op::DrawingOp1783>()(icon, 0x30000000, 500, 2, 2);
        call<xt::op::ListOp1638>()(4, row, 1, icon);
    }
}

/// The font popup from a Windows menu, as a plug-in builds it from the font families.
void fillPopup()
{
    HMENU fonts = CreateMenu();
    for (const char* name : {"Helvetica", "Times", "Courier"})
        AppendMenuA(fonts, MF_STRING, 0, name);
    char first[8] = {};
    GetMenuStringA(fonts, 0, first, sizeof first, MF_BYPOSITION);
    log(std::string("first font ") + first);
    call<xt::op::SetPopupMenuResource>()(3, fonts, 0);
    DestroyMenu(fonts);
    call<xt::op::ListOp1621>()(3, 1, 0);
}

std::string rowText(int32_t item, int32_t row)
{
    xt::TextObject read = nullptr;
    if (call<xt::op::ListOp3451>()(item, row, &read) != 0 || !read)
        return "(none)";
    std::string chars = call<xt::op::GetTextObjectChars>()(read);
    call<xt::op::DisposeTextObject>()(read);
    return chars;
}

void onListHit(const xt::WindowCallbackRecord& record)
{
    if (record.item != 4 && record.item != 3)
        return;
    if (record.argument.pair.value == xt::CellClicked) {
        int16_t data = 0;
        int32_t length = 0;
        call<xt::op::ListOp1615>()(4, record.argument.pair.detail, 2, &data, &length);
        log("cell " + std::to_string(record.argument.pair.detail) + "," + std::to_string(record.column) + " data "
            + std::to_string(data) + " (" + std::to_string(length) + " bytes)");
        return;
    }
    int32_t row = -1;
    call<xt::op::GetListSelection>()(record.item, &row);
    log("item " + std::to_string(record.item) + " row " + std::to_string(row) + " " + rowText(record.item, row));
}

int32_t listDialog(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    record.handled = 1;
    switch (record.event) {
    case xt::WhichResourceEvent:
        answer(record, 401);
        break;
    case xt::InitItemsEvent:
        call<xt::op::ListOp1595>()(4, 0x8000001E);
        call<xt::op::ListOp1631>()(4, 0xD0000000, 125, 0, 0);
        call<xt::op::ListOp1631>()(4, 0xC0000000, 55, 0, 0);
        fillList();
        fillPopup();
        call<xt::op::AttachItemObject1526>()(200, 0, &g_timer);
        break;
    case xt::TimerEvent:
        log("timer " + std::to_string(record.argument.pair.detail == g_timer));
        break;
    case xt::ItemHit:
        onListHit(record);
        break;
    case xt::ClosingEvent:
        call<xt::op::ReleaseItemObject1527>()(0x48000000 | g_timer);
        break;
    default:
        record.handled = 0;
    }
    return 0;
}

int32_t progressBox(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    record.handled = 1;
    if (record.event == xt::WhichResourceEvent)
        answer(record, 402);
    if (record.event == xt::WindowOpened)
        log("progress open");
    if (record.event == xt::ClosingEvent)
        log("progress closing");
    return 0;
}

/// Works through three steps with the progress box up, then closes it.
void runWithProgress()
{
    if (call<xt::op::OpenModelessWindow>()(g_base + ProgressBox, &g_progress) != 0) {
        log("no progress box");
        return;
    }
    for (const char* step : {"Step 1", "Step 2"}) {
        call<xt::op::BeginWindowDrawing>()(g_progress);
        xt::TextObject shown = text(step);
        call<xt::op::SetStaticText>()(2, shown);
        call<xt::op::DisposeTextObject>()(shown);
        call<xt::op::WindowOp1509>()();
        call<xt::op::EndWindowDrawing>()();
    }
    call<xt::op::BeginWindowDrawing>()(g_progress);
    call<xt::op::WindowOp1507>()(2);
    call<xt::op::EndWindowDrawing>()();
    log("progress done");
}

/// An open file chooser of Windows, the host's save chooser, and its colour picker.
void runChoosers()
{
    char path[512] = {};
    OPENFILENAMEA open{};
    open.lStructSize = 76;
    open.lpstrFilter = "VORNE Guides\0*.vog\0\0";
    open.lpstrFile = path;
    open.nMaxFile = sizeof path;
    open.lpstrTitle = "Open Guides";
    open.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    const BOOL opened = GetOpenFileNameA(&open);
    log("open " + std::to_string(opened) + " " + (opened ? std::string(path + open.nFileOffset) : std::string()));
    xt::FileSpec spec{};
    xt::TextObject prompt = text("Save Guides");
    xt::TextObject name = text("Layout Guides");
    const int32_t saved = call<xt::op::HostSaveDialog4965>()(prompt, name, &spec);
    const std::string savedPath = spec.name;
    log("save " + std::to_string(saved) + " " + savedPath.substr(savedPath.find_last_of('/') + 1));
    call<xt::op::DisposeTextObject>()(name);
    call<xt::op::DisposeTextObject>()(prompt);
    xt::PickedColour colour{1, 2, 3};
    prompt = text("Pick Bleed Guide Color");
    const int32_t picked = call<xt::op::PickColour>()(prompt, &colour);
    call<xt::op::DisposeTextObject>()(prompt);
    log("colour " + std::to_string(picked) + " " + std::to_string(colour.red) + "," + std::to_string(colour.green) + ","
        + std::to_string(colour.blue));
}

uint16_t appendItem(int32_t menu, const char* label)
{
    uint16_t id = 0;
    call<xt::op::NewMenuItemId>()(&id);
    xt::TextObject made = text(label);
    call<xt::op::AppendMenuItem>()(menu, id, made);
    call<xt::op::DisposeTextObject>()(made);
    return id;
}

int32_t onMenuSetup(void*)
{
    int32_t scratch = 0;
    xt::TextObject title = text("Windows");
    call<xt::op::NewMenu>()(&g_menu, title);
    call<xt::op::InsertMenu>()(g_menu, title, -1, &scratch);
    call<xt::op::DisposeTextObject>()(title);
    g_fieldsItem = appendItem(g_menu, "Fields...");
    g_toolsItem = appendItem(g_menu, "Tools");
    g_submenu = call<xt::op::MenuOp2642>()();
    g_gridsItem = appendItem(g_submenu, "Grids...");
    g_guidesItem = appendItem(g_submenu, "Guides...");
    const int32_t hung = call<xt::op::MenuOp2655>()(g_menu, g_toolsItem, g_submenu);
    const int32_t again = call<xt::op::MenuOp2655>()(g_menu, g_fieldsItem, g_submenu);
    log("hang " + std::to_string(hung) + " again " + std::to_string(again));
    call<xt::op::DisableMenuItem>()(g_submenu, g_guidesItem);
    g_progressItem = appendItem(g_menu, "Progress");
    g_choosersItem = appendItem(g_menu, "Choosers");
    return 0;
}

int32_t onMenuCommand(void* block)
{
    const uint16_t item = static_cast<xt::MenuCommandBlock*>(block)->itemId;
    if (item == g_fieldsItem) {
        int32_t result = -1;
        call<xt::op::OpenDialog>()(g_base + FieldsDialog, 0, &result);
        log("fields result " + std::to_string(result));
    }
    if (item == g_gridsItem) {
        int32_t result = -1;
        call<xt::op::OpenDialog>()(g_base + ListDialog, 0, &result);
        log("grids result " + std::to_string(result));
    }
    if (item == g_progressItem)
        runWithProgress();
    if (item == g_choosersItem)
        runChoosers();
    return 0;
}

int32_t registerCallbacks(xt::RegistrationRecord* record)
{
    if (acquireEverything(record) != 0 || g_base == 0)
        return xt::kStatusRefused;
    record->registerMessageCallback(xt::MenuSetupMessage, &onMenuSetup, 5, 200, 0);
    record->registerMessageCallback(xt::MenuCommandMessage, &onMenuCommand, 5, 200, 0);
    const xt::MessageHandler callbacks[WindowCount] = {&fieldsDialog, &listDialog, &progressBox};
    for (int32_t i = 0; i < WindowCount; ++i)
        record->registerMessageCallback(g_base + i, callbacks[i], 5, 200, 0);
    return 0;
}

int32_t registerServices(xt::SetupRecord* record)
{
    return record->reserveWindowIds(WindowCount, &g_base) == 0 ? 0 : xt::kStatusRefused;
}

int32_t libraryEntry(xt::ModuleInstance instance, uint32_t, void*)
{
    g_image = instance;
    return 1;
}

template <size_t N = 1>
constexpr xt::DialogItemTemplate item(int16_t id, xt::DialogItemKind kind, const char (&label)[N] = "", int32_t value = 0)
{
    static_assert(N <= xt::kDialogItemTextSize);
    xt::DialogItemTemplate made{id, kind, 0, 0, 0, 40, 12, value, {}};
    for (size_t i = 0; i < N; ++i)
        made.text[i] = label[i];
    return made;
}

using Kind = xt::DialogItemKind;

const xt::DialogResource<5> kFieldsDialog = {{200, 120, 5, 0, "Fields", ""},
    {item(1, Kind::Button, "OK"), item(2, Kind::Button, "Cancel"), item(3, Kind::EditText), item(4, Kind::EditText),
        item(5, Kind::EditText)}};

const xt::DialogResource<4> kListDialog = {{200, 120, 4, 0, "Grids", ""},
    {item(1, Kind::Button, "OK"), item(2, Kind::Button, "Cancel"), item(3, Kind::PopupMenu), item(4, Kind::List)}};
const xt::DialogResource<2> kProgressBox = {{200, 60, 2, 0, "Working", ""},
    {item(1, Kind::StaticText, "Probe"), item(2, Kind::StaticText)}};
const char kIcon[] = "BM";

const xt::Resource kResources[] = {
    {xt::kResourceDialog, 400, &kFieldsDialog, sizeof kFieldsDialog},
    {xt::kResourceDialog, 401, &kListDialog, sizeof kListDialog},
    {xt::kResourceDialog, 402, &kProgressBox, sizeof kProgressBox},
    {xt::kResourceBitmap, 500, kIcon, sizeof kIcon},
};

} // namespace

PROBE_EXPORT const xt::ModuleImage XTResourceTable = {
    xt::kModuleImageVersion, &libraryEntry, kResources, static_cast<uint32_t>(std::size(kResources))};

PROBE_EXPORT int32_t XTActivateCallback(xt::ActivationRecord* record)
{
    if ((record->offerXTension(0x6E495750, xt::kOfferWords[0], xt::kOfferWords[1], xt::kOfferWords[2], xt::kOfferWords[3]) & 0xFF) == 0)
        return xt::kStatusRefused;
    record->setActivationValue(xt::kActivationValue);
    record->registerSetupCallback(&registerCallbacks, xt::kCallbackKind, xt::kLevelCallbacks, 0);
    record->registerServiceSetupCallback(&registerServices, xt::kCallbackKind, xt::kLevelServices, 0);
    return 0;
}

/// What the callbacks saw since the last clear, one line each.
PROBE_EXPORT const char* WindowProbeLog()
{
    return g_log.c_str();
}

PROBE_EXPORT void WindowProbeClear()
{
    g_log.clear();
}

/// The host window handle as the plug-in gets it, and whether Windows knows it.
PROBE_EXPORT bool WindowProbeHostWindowIsAWindow()
{
    void* window = nullptr;
    return call<xt::op::GetHostWindowHandle>()(&window) == 0 && IsWindow(static_cast<HWND>(window));
}
