// What makes one plug-in different from another: its constants and tables, read by the skeleton.
#pragma once

#include <cstdint>
#include <span>

#include "xtapi/records.h"
#include "xtapi/types.h"

namespace foundation {

/// How the level-300 set-up asks the host for the plug-in's window ids.
enum class Reservation : uint8_t {
    OneBlock,      // one call for the whole run of ids
    OneIdAtATime,  // one call per id (Trimora)
};

/// Which comes first at level 300: the window ids or the shared menu service.
enum class ServiceOrder : uint8_t {
    ReserveFirst,  // Cellora
    PublishFirst,  // Amplex, Rulora, Trimora, Mockum
};

/// Whether the plug-in publishes a SharedMenuService and so takes part in the "VORNE" menu.
enum class MenuService : uint8_t {
    None,
    Shared,
};

/// The library entry the module exports through its resource table.
enum class LibraryEntry : uint8_t {
    Plain,       // keeps the module instance
    WithBitmap,  // also loads bitmap 102, the dialog banner
};

/// The order of the calls that acquire a host component found by code.
enum class ComponentOrder : uint8_t {
    FindFirst,    // FindXTension, AcquireHostInterface, HostRecordSlot14
    Slot14First,  // HostRecordSlot14, FindXTension, AcquireHostInterface (Trimora, Twinnel)
};

/// A host component that the plug-in finds by code and acquires at `references` consecutive references.
struct ComponentRequest {
    xt::FourLetterCode code;
    int32_t references = 1;
};

inline constexpr int32_t kMaxComponentReferences = 8;
inline constexpr int32_t kMaxWindowIds = 32;

struct MessageEntry {
    int32_t message;
    xt::MessageHandler handler;
};

/// A window callback registered under the window id at `offset` from the plug-in's first reserved id.
struct WindowEntry {
    int32_t offset;
    xt::MessageHandler callback;
};

/// Everything the skeleton needs to know about one plug-in. A plug-in's plugin.cpp defines one
/// constant of this type and hands it to XT_DEFINE_PLUGIN.
struct PluginDescription {
    xt::XTensionId id = 0;
    int32_t windowIdCount = 0;
    Reservation reservation = Reservation::OneBlock;
    ServiceOrder serviceOrder = ServiceOrder::ReserveFirst;
    MenuService menuService = MenuService::Shared;
    ComponentOrder componentOrder = ComponentOrder::FindFirst;
    std::span<const ComponentRequest> components{};
    /// Registered in this order; the window callbacks follow the message handlers.
    std::span<const MessageEntry> messages{};
    std::span<const WindowEntry> windows{};
    /// Runs at the end of level 200, after every registration; a nonzero result fails the set-up.
    int32_t (*startUp)() = nullptr;
    LibraryEntry libraryEntry = LibraryEntry::Plain;
};

} // namespace foundation
