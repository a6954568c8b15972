// The record that the host hands to every dialog, tab page and palette callback.
#pragma once

#include <cstddef>
#include <cstdint>

namespace xt {

enum WindowEvent : int32_t {
    WindowOpened = 0,
    ItemHit = 2,
    FieldChanged = 3,    // the user typed into a field
    DrawEvent = 4,
    TimerEvent = 13,     // a timer of AttachItemObject1526 went off
    DrawEvent14 = 14,
    SizeLimitsEvent = 15,   // a palette's size limits: the answer pointer names xt::PaletteSizeLimits
    ProposedSizeEvent = 17, // a palette about to be resized: the answer pointer names xt::PaletteProposedSize
    ResizedEvent = 18,      // a palette was resized
    TabEvent22 = 22,
    DrawEvent24 = 24,
    OkEvent = 0x08000001,
    CancelEvent = 0x08000004,
    DocumentChangedEvent = 0x08000005,
    SelectionChangedEvent = 0x08000006,
    RefillEvent = 0x08000007,
    AcceptEvent = 0x10000000,
    ClosingEvent = 0x48000000,
    WhichResourceEvent = static_cast<int32_t>(0x80000000u),
    CreatedEvent = static_cast<int32_t>(0x80000001u),
    InitItemsEvent = static_cast<int32_t>(0x80000002u),
};

/// What a palette answers to the size-limits event, in pixels.
struct PaletteSizeLimits {
    int32_t minimumWidth;
    int32_t minimumHeight;
    int32_t maximumWidth;
    int32_t maximumHeight;
};
static_assert(sizeof(PaletteSizeLimits) == 16);

/// The size a user drags a palette to; the palette may change it before the host applies it.
struct PaletteProposedSize {
    int32_t width;
    int32_t height;
};
static_assert(offsetof(PaletteProposedSize, height) == 4);

struct WindowCallbackRecord {
    int32_t windowId;
    int32_t reserved;
    int32_t event;
    int32_t item;
    /// An item event's sub-event and detail, or for the which-resource event the pointer
    /// through which the callback writes its dialog id. Widened to hold a pointer.
    union Argument {
        struct Pair {
            int32_t value;
            int32_t detail;
        } pair;
        void* answer;
    } argument;
    int32_t handled;
    /// The column of a list cell clicked (sub-event 23), whose row is the detail.
    int32_t column;
};
static_assert(offsetof(WindowCallbackRecord, event) == 8);
static_assert(offsetof(WindowCallbackRecord, item) == 12);
static_assert(offsetof(WindowCallbackRecord, argument) == 16);
static_assert(offsetof(WindowCallbackRecord, argument.pair.detail) == 20);
static_assert(offsetof(WindowCallbackRecord, handled) == 24);
static_assert(offsetof(WindowCallbackRecord, column) == 28 && sizeof(WindowCallbackRecord) == 32);

} // namespace xt
