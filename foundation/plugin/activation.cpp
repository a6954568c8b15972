// The library entries and XTActivateCallback's work: what happens when the host loads the module.
#include <cstdint>

#include "foundation/plugin/plugin_state.h"
#include "foundation/plugin/skeleton.h"
#include "win32/windows.h"
#include "xtapi/messages.h"
#include "xtapi/status.h"

namespace foundation {

namespace {
constexpr uint16_t kBannerBitmapId = 102;
}

int32_t DllMain(xt::ModuleInstance instance, uint32_t reason, void*)
{
    if (reason == xt::kProcessAttach)
        pluginState().keepInstance(instance);
    return 1;
}

int32_t DllMainWithBitmap(xt::ModuleInstance instance, uint32_t reason, void*)
{
    if (reason != xt::kProcessAttach)
        return 1;
    pluginState().keepInstance(instance);
    pluginState().keepBanner(LoadBitmapA(instance, MAKEINTRESOURCEA(kBannerBitmapId)));
    return 1;
}

int32_t activatePlugin(const PluginDescription& description, xt::ActivationRecord* record)
{
    if (!record || !record->offerXTension)
        return xt::kStatusRefused;
    pluginState().describe(description);
    const uint32_t answer = record->offerXTension(
        description.id, xt::kOfferWords[0], xt::kOfferWords[1], xt::kOfferWords[2], xt::kOfferWords[3]);
    // Only the low byte of the answer counts.
    if ((answer & 0xFFu) == 0)
        return xt::kStatusRefused;
    if (record->setActivationValue)
        record->setActivationValue(xt::kActivationValue);
    if (record->registerSetupCallback)
        record->registerSetupCallback(&RegisterCallbacks, xt::kCallbackKind, xt::kLevelCallbacks, 0);
    if (record->registerServiceSetupCallback)
        record->registerServiceSetupCallback(&RegisterServices, xt::kCallbackKind, xt::kLevelServices, 0);
    return xt::kStatusOk;
}

int32_t OnLanguage(void* block)
{
    if (!block)
        return xt::kStatusOk;
    pluginState().setLanguageCode(static_cast<const xt::LanguageBlock*>(block)->languageCode);
    return xt::kStatusOk;
}

uint16_t languageCode()
{
    return pluginState().languageCode();
}

void setLanguageCode(uint16_t code)
{
    pluginState().setLanguageCode(code);
}

xt::ModuleInstance moduleInstance()
{
    return pluginState().instance();
}

void* bannerBitmap()
{
    return pluginState().banner();
}

int32_t windowId(int32_t offset)
{
    return pluginState().windowId(offset);
}

} // namespace foundation
