// Host message numbers and the parameter blocks that come with them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace xt {

enum Message : int32_t {
    QuitMessage = 4,
    LanguageMessage = 5,
    MenuSetupMessage = 6,
    MenuUpdateMessage = 7,
    IdleMessage = 10,
    ReopenPalettesMessage = 20,
    PageEventMessage = 24, // the host's guide event; its block names a guide list
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
