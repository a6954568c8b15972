// Dialog and menu resources as a module ships them, and the values the dialog operations exchange.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace xt {

/// Resource types of a module's table (the Windows numbers of RT_MENU and RT_DIALOG).
inline constexpr FourLetterCode kResourceMenu = 4;
inline constexpr FourLetterCode kResourceDialog = 5;

/// The kinds of item a dialog resource holds.
enum class DialogItemKind : uint8_t {
    Button = 1,
    CheckBox = 2,
    RadioButton = 3,
    EditText = 4,     // a text or numeric field
    StaticText = 5,
    PopupMenu = 6,
    List = 7,
    Picture = 8,      // a picture, or a bitmap button when it takes clicks
    TabControl = 9,
    Frame = 10,
};

/// Item flags of a dialog resource.
inline constexpr uint8_t kDialogItemDisabled = 0x01;
inline constexpr uint8_t kDialogItemHidden = 0x02;

inline constexpr size_t kDialogItemTextSize = 48;
inline constexpr size_t kDialogTitleSize = 64;
inline constexpr size_t kDialogClassSize = 16;

/// One item of a dialog resource; its rectangle is in dialog units, its texts zero-terminated.
struct DialogItemTemplate {
    int16_t id;
    DialogItemKind kind;
    uint8_t flags;
    int16_t left;
    int16_t top;
    int16_t right;
    int16_t bottom;
    int32_t value;  // the initial value: a check box's state, a list's selected row, a picture's bitmap id
    char text[kDialogItemTextSize];
};
static_assert(offsetof(DialogItemTemplate, kind) == 2);
static_assert(offsetof(DialogItemTemplate, left) == 4);
static_assert(offsetof(DialogItemTemplate, value) == 12);
static_assert(offsetof(DialogItemTemplate, text) == 16);
static_assert(sizeof(DialogItemTemplate) == 64);

/// The head of a dialog resource; `itemCount` items follow it, and the resource's size is exactly that.
/// A floating palette names the window class "QFPalette".
struct DialogTemplateHeader {
    int16_t width;
    int16_t height;
    int16_t itemCount;
    int16_t reserved;
    char title[kDialogTitleSize];
    char windowClass[kDialogClassSize];
};
static_assert(offsetof(DialogTemplateHeader, itemCount) == 4);
static_assert(offsetof(DialogTemplateHeader, title) == 8);
static_assert(offsetof(DialogTemplateHeader, windowClass) == 72);
static_assert(sizeof(DialogTemplateHeader) == 88);

constexpr size_t dialogResourceSize(size_t itemCount)
{
    return sizeof(DialogTemplateHeader) + itemCount * sizeof(DialogItemTemplate);
}

/// A dialog resource as one object, for a module's resource table: the head and its items, no padding between.
template <size_t N>
struct DialogResource {
    DialogTemplateHeader header;
    DialogItemTemplate items[N];
};
static_assert(sizeof(DialogResource<3>) == dialogResourceSize(3));

/// A menu resource is its entries' texts, each ending with a zero byte; "-" is a separator line.

/// A window's rectangle in screen pixels, as WindowOp1519 gives it and WindowOp1520 takes it.
struct WindowRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};
static_assert(offsetof(WindowRect, top) == 4 && sizeof(WindowRect) == 16);

/// What the which-resource event's answer pointer (byte 16 of the callback record) points at: the callback
/// writes its dialog resource id into the first word; a palette finds its preference record at byte 8.
struct WhichResourceBlock {
    int32_t resourceId;
    int32_t reserved;
    Handle value;
};
static_assert(offsetof(WhichResourceBlock, value) == 8);

/// The detail of an item-hit event (byte 20 of the callback record, repeated at byte 16).
enum ItemHitDetail : int32_t {
    ItemPressed = 1,          // a button pressed, a box checked, a field edited
    PictureClicked = 2,       // a picture or bitmap button clicked
    SelectionChanged = 21,    // a list or popup got another row
    CellClicked = 23,         // a list's cell clicked: the record's detail is the row, its column word the column
};

/// Modes of SetDialogItemMode.
inline constexpr int32_t kItemModeDisableGroup = 1;  // the item's whole radio group
inline constexpr int32_t kItemModeDisable = 2;
inline constexpr int32_t kItemModeEnable = 4;

/// InsertListItem's index that appends a row.
inline constexpr int32_t kAppendListRow = -3;

/// Measurement units of the field and measurement operations.
enum MeasureUnit : int32_t {
    UnitLength = 3,           // a length in points as the host writes it, e.g. in a guides file
    UnitPlainNumber = 0x64,   // also tracking
    UnitPercent = 0x65,
    UnitPoints = 0x68,
    UnitDegrees = 0x69,
    UnitWholeNumber = 0x6B,   // page numbers, counts
    UnitTextSize = 0x6D,
    UnitLeading = 0x6E,
    UnitHorizontal = 0x73,
    UnitVertical = 0x74,
    UnitText = 1000,          // a text field: any text; read as a number it is a plain number with no range
};

} // namespace xt
