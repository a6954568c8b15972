// The plug-in skeleton: entry, two-stage registration with the host, the language code, and the
// macro with which a plug-in defines its module's only two exports.
#pragma once

#include <cstdint>
#include <iterator>

#include "foundation/plugin/plugin_description.h"
#include "xtapi/records.h"

namespace foundation {

/// The library entry of a plug-in without a banner: keeps the module instance on process attach.
int32_t DllMain(xt::ModuleInstance instance, uint32_t reason, void* reserved);
/// The library entry of a plug-in with a banner: also loads bitmap 102 on process attach.
int32_t DllMainWithBitmap(xt::ModuleInstance instance, uint32_t reason, void* reserved);

/// What XTActivateCallback does: offer the id, then register the two set-up callbacks.
int32_t activatePlugin(const PluginDescription& description, xt::ActivationRecord* record);

/// The level-200 set-up: binds the host, then registers the handlers and window callbacks.
int32_t RegisterCallbacks(xt::RegistrationRecord* record);
/// The level-300 set-up: reserves the window ids and publishes the SharedMenuService.
int32_t RegisterServices(xt::SetupRecord* record);

/// Handler of LanguageMessage: keeps the code exactly as the host sent it.
int32_t OnLanguage(void* block);

/// The language code last received (or set by a plug-in that maps codes its own way).
uint16_t languageCode();
void setLanguageCode(uint16_t code);

xt::ModuleInstance moduleInstance();
/// The banner bitmap of a plug-in whose library entry loads it; null otherwise.
void* bannerBitmap();

/// The reserved window id at `offset` from the first one, or 0 when it was never reserved.
int32_t windowId(int32_t offset);

/// A table of a component found by code: `reference` counts from the component's first reference.
/// Null when the plug-in did not acquire it.
void* componentTable(xt::FourLetterCode code, int32_t reference = 0);
/// The value HostRecordSlot14 wrote for the component, or 0.
uint32_t componentToken(xt::FourLetterCode code);

constexpr xt::LibraryEntryFn libraryEntryFor(const PluginDescription& description)
{
    return description.libraryEntry == LibraryEntry::WithBitmap ? &DllMainWithBitmap : &DllMain;
}

} // namespace foundation

#define XT_PLUGIN_EXPORT __attribute__((visibility("default")))

/// Defines the module's only two exports from a constant PluginDescription and a constant array
/// of xt::Resource. Use once, at namespace scope, in the plug-in's plugin.cpp.
#define XT_DEFINE_PLUGIN(description, resources)                                                  \
    extern "C" XT_PLUGIN_EXPORT int32_t XTActivateCallback(xt::ActivationRecord* record)          \
    {                                                                                              \
        return foundation::activatePlugin(description, record);                                   \
    }                                                                                              \
    extern "C" XT_PLUGIN_EXPORT const xt::ModuleImage XTResourceTable{xt::kModuleImageVersion,    \
        foundation::libraryEntryFor(description), std::data(resources),                           \
        static_cast<uint32_t>(std::size(resources))}
