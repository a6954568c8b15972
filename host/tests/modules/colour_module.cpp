// A test plug-in written against the contract that makes a colour from a menu command, as the
// eyedropper does, and writes what it hears of colour changes into a log the tests read.
#include <cstdint>
#include <cstring>
#include <string>

#include "host/tests/modules/raw_calls.h"
#include "xtapi/colour_records.h"
#include "xtapi/messages.h"
#include "xtapi/operations.h"
#include "xtapi/records.h"
#include "xtapi/status.h"

#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

int32_t g_menu = 0;
uint16_t g_makeItem = 0;
uint16_t g_lookItem = 0;
bool g_inCommand = false;
std::string g_log;

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
    xt::TextObject title = text("Colours");
    call<xt::op::NewMenu>()(&g_menu, title);
    call<xt::op::InsertMenu>()(g_menu, title, -1, &scratch);
    call<xt::op::DisposeTextObject>()(title);
    g_makeItem = addItem("Make Sky");
    g_lookItem = addItem("Look");
    return 0;
}

/// A new RGB colour "Sky" in the current document, made the way the eyedropper makes its colours.
int32_t makeSky()
{
    int16_t id = xt::kColourEnd;
    const uint16_t components[3] = {0x6666, 0xB333, 0xFFFF};
    xt::ColourSpecification specification{};
    int32_t status = call<xt::op::ColorOp350>()(0, xt::kNewColourEntry, &id);
    status |= call<xt::op::XcdOp264>()(xt::kRgbColourModel, components, &specification);
    status |= call<xt::op::ColorOp376>()(0, id, 1);
    status |= call<xt::op::ColorOp359>()(0, id, 1, xt::kRgbColourModel, &specification);
    xt::TextObject name = text("Sky");
    status |= call<xt::op::SetColorNameText>()(0, id, 0, name);
    call<xt::op::DisposeTextObject>()(name);
    status |= call<xt::op::ColorOp370>()(0, id, xt::kColourIsSpot, 0);
    return status | call<xt::op::ColorOp390>()(0, id, 0);
}

int32_t onMenuCommand(void* block)
{
    const uint16_t item = static_cast<xt::MenuCommandBlock*>(block)->itemId;
    if (item != g_makeItem && item != g_lookItem)
        return 0;
    g_inCommand = true;
    const int32_t status = item == g_makeItem ? makeSky() : 0;
    g_inCommand = false;
    g_log += "command status " + std::to_string(status) + "\n";
    return 0;
}

/// Where a colour palette would mark its list for a refill.
int32_t onChangeNotice(void*)
{
    g_log += std::string(g_inCommand ? "notice during the command" : "notice") + " at count "
        + std::to_string(call<xt::op::ColorOp312>()()) + "\n";
    return 0;
}

int32_t registerCallbacks(xt::RegistrationRecord* record)
{
    if (acquireEverything(record) != 0)
        return xt::kStatusRefused;
    record->registerMessageCallback(xt::MenuSetupMessage, &onMenuSetup, 5, 200, 0);
    record->registerMessageCallback(xt::MenuCommandMessage, &onMenuCommand, 5, 200, 0);
    record->registerMessageCallback(xt::ChangeNoticeMessage, &onChangeNotice, 5, 200, 0);
    return 0;
}

int32_t registerServices(xt::SetupRecord*)
{
    return 0;
}

int32_t libraryEntry(xt::ModuleInstance, uint32_t, void*)
{
    return 1;
}

} // namespace

PROBE_EXPORT const xt::ModuleImage XTResourceTable = {xt::kModuleImageVersion, &libraryEntry, nullptr, 0};

PROBE_EXPORT int32_t XTActivateCallback(xt::ActivationRecord* record)
{
    if ((record->offerXTension(0x634F5250, xt::kOfferWords[0], xt::kOfferWords[1], xt::kOfferWords[2], xt::kOfferWords[3]) & 0xFF) == 0)
        return xt::kStatusRefused;
    record->setActivationValue(xt::kActivationValue);
    record->registerSetupCallback(&registerCallbacks, xt::kCallbackKind, xt::kLevelCallbacks, 0);
    record->registerServiceSetupCallback(&registerServices, xt::kCallbackKind, xt::kLevelServices, 0);
    return 0;
}

/// What the module heard since the last clear, one line each.
PROBE_EXPORT const char* ColourProbeLog()
{
    return g_log.c_str();
}

PROBE_EXPORT void ColourProbeClear()
{
    g_log.clear();
}
