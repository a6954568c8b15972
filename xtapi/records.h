// The records the host passes at load and set-up, with their layouts fixed.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace xt {

struct RegistrationRecord;
struct SetupRecord;

using RegisterCallbacksFn = int32_t (*)(RegistrationRecord*);
using RegisterServicesFn = int32_t (*)(SetupRecord*);

/// Passed to XTActivateCallback.
struct ActivationRecord {
    uint32_t size;
    uint32_t reserved;
    /// Only the low byte of the answer counts: 0 means the host refuses the plug-in.
    uint32_t (*offerXTension)(XTensionId id, uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3);
    int32_t (*setActivationValue)(int32_t value);
    int32_t (*registerSetupCallback)(RegisterCallbacksFn callback, int32_t kind, int32_t level, int32_t flags);
    int32_t (*registerServiceSetupCallback)(RegisterServicesFn callback, int32_t kind, int32_t level, int32_t flags);
};
static_assert(offsetof(ActivationRecord, offerXTension) == 8);

inline constexpr uint32_t kOfferWords[4] = {0, 11, 0x40C70014, 0};
inline constexpr uint32_t kBindingWords[3] = {11, 295, 0x40C70000};
inline constexpr uint32_t kRequestListVersion = 0x46470000;
inline constexpr int32_t kActivationValue = 200;
inline constexpr int32_t kCallbackKind = 5;
inline constexpr int32_t kLevelCallbacks = 200;
inline constexpr int32_t kLevelServices = 300;

/// `code` is a group code, a service code, or a reference from FindXTension.
/// For a group code `list` is the version word followed by operation numbers and
/// `length` counts them all; services and references take no list.
using AcquireHostInterfaceFn = int32_t (*)(uint32_t code, void** out, const uint32_t* list, int32_t length);
using RegisterMessageCallbackFn = int32_t (*)(int32_t number, MessageHandler handler, int32_t kind, int32_t level, int32_t flags);
using FindXTensionFn = int32_t (*)(uint32_t id, uint32_t* reference);
using HostRecordSlot14Fn = int32_t (*)(uint32_t code, uint32_t* token);

/// Passed to the level-200 set-up callback. The plug-in keeps a copy of its first 52 bytes
/// and acquires its tables through the copy, so no operation may depend on the record's address.
/// Packed to 4 so that the five words and four operations fill exactly 52 bytes with 64-bit pointers.
#pragma pack(push, 4)
struct RegistrationRecord {
    uint32_t version[3];
    uint32_t recordSize;
    AcquireHostInterfaceFn acquireHostInterface;
    RegisterMessageCallbackFn registerMessageCallback;
    FindXTensionFn findXTension;
    HostRecordSlot14Fn hostRecordSlot14;
    uint32_t reserved;
};
#pragma pack(pop)
static_assert(offsetof(RegistrationRecord, acquireHostInterface) == 16);
static_assert(offsetof(RegistrationRecord, hostRecordSlot14) == 40);
static_assert(sizeof(RegistrationRecord) == 52);

/// Passed to the level-300 set-up callback.
struct SetupRecord {
    uint32_t size;
    uint32_t reserved;
    int32_t (*reserveWindowIds)(int32_t count, int32_t* base);
    int32_t (*newServiceId)(int32_t count, uint32_t* serviceId);
    int32_t (*publishService)(uint32_t serviceId, Handle service, int32_t kind, int32_t flags);
};
static_assert(offsetof(SetupRecord, reserveWindowIds) == 8);

/// The published SharedMenuService: one slot holding GetVendorMenuId. A pointer-sized slot,
/// since the 4-byte block of a 32-bit host cannot hold a 64-bit address.
struct SharedMenuServiceBlock {
    int32_t (*getVendorMenuId)();
};
static_assert(sizeof(SharedMenuServiceBlock) == sizeof(void*));

/// The library entry, reached through the module's resource table (our analog of the image header).
inline constexpr uint32_t kProcessAttach = 1;
using ModuleInstance = const struct ModuleImage*;
using LibraryEntryFn = int32_t (*)(ModuleInstance instance, uint32_t reason, void* reserved);

/// One resource of a module: strings, "VERS" and other custom types, bitmaps, dialogs, menus.
struct Resource {
    FourLetterCode type;
    int32_t id;
    const void* data;
    uint32_t size;
};
inline constexpr FourLetterCode kResourceString = 6; // a zero-terminated text, as a string table entry
inline constexpr FourLetterCode kResourceBitmap = 2;
inline constexpr FourLetterCode kResourceGroupCursor = 12; // a cursor (LoadCursorA)
inline constexpr FourLetterCode kResourceGroupIcon = 14;   // an icon, such as a tool's

/// What a module exports besides XTActivateCallback, under the symbol XTResourceTable.
struct ModuleImage {
    uint32_t version;
    LibraryEntryFn entry;
    const Resource* resources;
    uint32_t resourceCount;
};
inline constexpr uint32_t kModuleImageVersion = 1;

using ActivateFn = int32_t (*)(ActivationRecord*);

} // namespace xt
