// A plug-in module written straight against the contract (no foundation), built in several variants
// to exercise the host's loader: a good one, one that refuses, one missing a symbol, one failing set-up.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "host/tests/modules/raw_calls.h"
#include "win32/windows.h"
#include "xtapi/messages.h"
#include "xtapi/operations.h"
#include "xtapi/records.h"
#include "xtapi/status.h"
#include "xtapi/window_callback.h"

#define RAW_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Variants, chosen by RAW_MODE at build time.
constexpr int kGood = 0;
constexpr int kRefuses = 1;
constexpr int kNoActivate = 2;
constexpr int kWrongImageVersion = 3;
constexpr int kFailsLevel200 = 4;

constexpr xt::XTensionId kId = RAW_ID;
// A sibling whose published service this module's level-200 set-up requires (0: none).
constexpr xt::XTensionId kSibling = RAW_SIBLING;

HINSTANCE g_instance = nullptr;
xt::RegistrationRecord* g_record = nullptr;
int32_t g_windowBase = 0;
uint32_t g_serviceId = 0;
int32_t g_menuId = 0;
uint16_t g_itemId = 0;
uint16_t g_language = 0;

int32_t menuIdOfService()
{
    return g_menuId;
}

int32_t onLanguage(void* block)
{
    g_language = static_cast<xt::LanguageBlock*>(block)->languageCode;
    return 0;
}

int32_t onMenuSetup(void*)
{
    char label[64];
    std::snprintf(label, sizeof label, "%s item (language %u)", RAW_NAME, static_cast<unsigned>(g_language));
    xt::TextObject title = call<xt::op::NewTextObject>()(RAW_NAME, 0, static_cast<int32_t>(std::strlen(RAW_NAME)));
    int32_t scratch = 0;
    call<xt::op::NewMenu>()(&g_menuId, title);
    call<xt::op::InsertMenu>()(g_menuId, title, -1, &scratch);
    call<xt::op::DisposeTextObject>()(title);
    call<xt::op::NewMenuItemId>()(&g_itemId);
    xt::TextObject text = call<xt::op::NewTextObject>()(label, 0, static_cast<int32_t>(std::strlen(label)));
    call<xt::op::AppendMenuItem>()(g_menuId, g_itemId, text);
    call<xt::op::DisposeTextObject>()(text);
    return 0;
}

/// Enabled only while a document is open.
int32_t onMenuUpdate(void*)
{
    int16_t document = -1;
    call<xt::op::GetCurrentDocument>()(&document);
    if (document < 0)
        call<xt::op::DisableMenuItem>()(g_menuId, g_itemId);
    else
        call<xt::op::EnableMenuItem>()(g_menuId, g_itemId);
    return 0;
}

/// Shows the module's own version text, read through GetResource.
int32_t onMenuCommand(void* block)
{
    if (static_cast<xt::MenuCommandBlock*>(block)->itemId != g_itemId)
        return 0;
    char text[32] = "no version";
    if (xt::Handle version = call<xt::op::GetResource>()(xt::kResourceVersion, 1)) {
        const int32_t size = call<xt::op::GetHandleSize>()(version);
        std::snprintf(text, sizeof text, "%.*s", static_cast<int>(size), *version);
        call<xt::op::ReleaseResource>()(version);
    }
    MessageBoxA(nullptr, text, RAW_NAME, MB_OKCANCEL);
    return 0;
}

/// Answers the created event with its window and the string of its first resource.
int32_t onWindow(void* block)
{
    auto* record = static_cast<xt::WindowCallbackRecord*>(block);
    if (record->event != xt::CreatedEvent)
        return 0;
    char text[64];
    const int length = LoadStringA(g_instance, 1, text, sizeof text);
    char message[128];
    std::snprintf(message, sizeof message, "window %d: %.*s", call<xt::op::GetCallbackWindow>()(), length, text);
    MessageBoxA(nullptr, message, RAW_NAME, MB_OK);
    record->handled = 1;
    return 0;
}

/// Requires the sibling to have published its service already: the host runs every level-300
/// set-up before any level-200 one.
int32_t checkSibling(xt::RegistrationRecord* record)
{
    if (kSibling == 0)
        return 0;
    uint32_t reference = 0;
    void* service = nullptr;
    if (record->findXTension(kSibling, &reference) != 0 || record->acquireHostInterface(reference, &service, nullptr, 0) != 0)
        return xt::kStatusRefused;
    auto* block = *static_cast<xt::SharedMenuServiceBlock**>(service);
    return block && block->getVendorMenuId ? 0 : xt::kStatusRefused;
}

int32_t registerCallbacks(xt::RegistrationRecord* record)
{
    g_record = record;
    if (acquireEverything(record) != 0 || checkSibling(record) != 0 || g_windowBase == 0)
        return xt::kStatusRefused;
    record->registerMessageCallback(xt::LanguageMessage, &onLanguage, 5, 200, 0);
    record->registerMessageCallback(xt::MenuSetupMessage, &onMenuSetup, 5, 200, 0);
    record->registerMessageCallback(xt::MenuUpdateMessage, &onMenuUpdate, 5, 200, 0);
    record->registerMessageCallback(xt::MenuCommandMessage, &onMenuCommand, 5, 200, 0);
    record->registerMessageCallback(g_windowBase, &onWindow, 5, 200, 0);
    return RAW_MODE == kFailsLevel200 ? xt::kStatusRefused : 0;
}

int32_t registerServices(xt::SetupRecord* record)
{
    if (record->reserveWindowIds(2, &g_windowBase) != 0 || record->newServiceId(1, &g_serviceId) != 0)
        return xt::kStatusRefused;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(xt::SharedMenuServiceBlock));
    if (!block)
        return xt::kStatusRefused;
    reinterpret_cast<xt::SharedMenuServiceBlock*>(*block)->getVendorMenuId = &menuIdOfService;
    return record->publishService(g_serviceId, block, 1, 0) == 0 ? 0 : xt::kStatusRefused;
}

int32_t libraryEntry(xt::ModuleInstance instance, uint32_t reason, void*)
{
    if (reason == xt::kProcessAttach)
        g_instance = instance;
    return 1;
}

const char kString1[] = RAW_NAME " string";
const char kVersion[] = RAW_VERSION;
const xt::Resource kResources[] = {
    {xt::kResourceString, 1, kString1, sizeof kString1},
    {xt::kResourceVersion, 1, kVersion, sizeof kVersion - 1},
    {xt::kResourceBitmap, 102, kVersion, 4},
};

} // namespace

RAW_EXPORT const xt::ModuleImage XTResourceTable = {
    RAW_MODE == kWrongImageVersion ? xt::kModuleImageVersion + 1 : xt::kModuleImageVersion,
    &libraryEntry,
    kResources,
    static_cast<uint32_t>(std::size(kResources)),
};

// The variant without the entry point exports it under another name.
#if RAW_MODE == 2
#define RAW_ACTIVATE XTActivateCallbackMissing
#else
#define RAW_ACTIVATE XTActivateCallback
#endif

RAW_EXPORT int32_t RAW_ACTIVATE(xt::ActivationRecord* record)
{
    if ((record->offerXTension(kId, xt::kOfferWords[0], xt::kOfferWords[1], xt::kOfferWords[2], xt::kOfferWords[3]) & 0xFF) == 0)
        return xt::kStatusRefused;
    if (RAW_MODE == kRefuses)
        return xt::kStatusRefused;
    record->setActivationValue(xt::kActivationValue);
    record->registerSetupCallback(&registerCallbacks, xt::kCallbackKind, xt::kLevelCallbacks, 0);
    record->registerServiceSetupCallback(&registerServices, xt::kCallbackKind, xt::kLevelServices, 0);
    return 0;
}
