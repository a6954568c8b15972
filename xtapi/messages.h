// Host message numbers and the parameter blocks that come with them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace xt {

enum Message : int32_t {
    QuitMessage = 4,
    LanguageMessage = 5,
    MenuSetupMessage = 6,
    MenuUpdateMessage = 7,
    IdleMessage = 10,
    ReopenPalettesMessage = 20,
    GuideEventMessage = 24, // the user acted on a guide; its block names a guide list
    ToolClickMessage = 126,
    RulesPrintedMessage = 149,
    ChangeNoticeMessage = 265,
    ContextMenuMessage = 318,
    UndoMessage = 490,
    RedoMessage = 491,
    MenuCommandMessage = 618,
};

/// Window ids come from a range that no message number uses, so one registration call serves both.
inline constexpr int32_t kFirstWindowId = 20000;

/// Every block starts with the message number; the payload starts at byte 8.
struct MessageBlock {
    int32_t message;
    int32_t reserved;
};

struct LanguageBlock {
    MessageBlock header;
    uint16_t languageCode;
};
static_assert(offsetof(LanguageBlock, languageCode) == 8);

struct MenuCommandBlock {
    MessageBlock header;
    uint16_t itemId;
};
static_assert(offsetof(MenuCommandBlock, itemId) == 8);

/// The menu set-up block is 80 bytes; some plug-ins read the value at byte 76.
struct MenuSetupBlock {
    MessageBlock header;
    uint8_t unused[68];
    int32_t value;
};
static_assert(offsetof(MenuSetupBlock, value) == 76 && sizeof(MenuSetupBlock) == 80);

/// GuideEventMessage: the index of the guide in the list (vertical guides first) at byte 8, and at
/// byte 12 a handle of the host's guide list in the GuideOp2627 form (widened to a pointer, packed so
/// that it stays at 12). The host keeps and frees its handle; a plug-in that took the event writes 0 there.
#pragma pack(push, 4)
struct GuideEventBlock {
    MessageBlock header;
    int32_t index;
    Handle list;
};
#pragma pack(pop)
static_assert(offsetof(GuideEventBlock, index) == 8 && offsetof(GuideEventBlock, list) == 12);

/// ToolClickMessage: the number of the tool that clicked, at byte 8 (the plug-in compares it with its own).
struct ToolClickBlock {
    MessageBlock header;
    int32_t tool;
};
static_assert(offsetof(ToolClickBlock, tool) == 8);

} // namespace xt

namespace xt {

/// MenuUpdateMessage: the plug-in answers 1 in the word at byte 8 (the host reads it back).
struct MenuUpdateBlock {
    MessageBlock header;
    int16_t answer;
};
static_assert(offsetof(MenuUpdateBlock, answer) == 8);

/// ContextMenuMessage: the Windows menu (an HMENU) the host is about to show, at byte 8.
/// Widened to hold a pointer.
struct ContextMenuBlock {
    MessageBlock header;
    void* menu;
};
static_assert(offsetof(ContextMenuBlock, menu) == 8);

} // namespace xt
