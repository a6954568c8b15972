// ListSettings, Dotwise's one settings record: indents per level, the gap between marker and text, the
// bullet, number types, style-sheet overrides and three options. Kept in files and document blocks as
// it lies in memory (464 bytes, little-endian).
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace dotwise {

inline constexpr int kLevelCount = 5;  // level 0 is no list; 1 to 4 are the list levels
inline constexpr int kMaxLevel = 4;
inline constexpr size_t kNameSize = 32;

enum GapKind : int16_t {
    GapEnSpace = 1,
    GapSpace = 2,
    GapTab = 3,
};

enum NumberType : int16_t {
    NumberDecimalPoint = 1,      // "1."
    NumberDecimalParen = 2,      // "1)"
    NumberUpperLetterPoint = 3,  // "A."
    NumberLowerLetterPoint = 4,  // "a."
    NumberUpperLetterParen = 5,  // "A)"
    NumberLowerLetterParen = 6,  // "a)"
    NumberUpperRoman = 7,        // "IV."
    NumberLowerRoman = 8,        // "iv."
};
inline constexpr int16_t kFirstNumberType = NumberDecimalPoint;
inline constexpr int16_t kLastNumberType = NumberLowerRoman;

/// A style override that is not set.
inline constexpr int16_t kNoStyle = -1;

inline constexpr char kSameFont[] = "Same font";
inline constexpr uint16_t kDefaultBullet = 0x2022;

#pragma pack(push, 1)
struct ListSettings {
    xt::Fixed leftIndent[kLevelCount];
    xt::Fixed rightIndent[kLevelCount];
    int16_t gapKind;
    uint8_t reserved42[2];
    xt::Fixed leadAmount;
    xt::Fixed gapAmount;
    int16_t bulletFontIndex;
    char bulletFont[kNameSize];
    int16_t bulletStyleId;
    char bulletStyleName[kNameSize];
    uint16_t bulletChar;
    int16_t numberType[kLevelCount];
    int16_t levelStyleId[kLevelCount];
    char levelStyleName[kLevelCount][kNameSize];
    uint8_t hangIndents;
    uint8_t boldMarkers;
    uint8_t autoIndent;
    uint8_t reserved305[159];
};
#pragma pack(pop)

static_assert(sizeof(ListSettings) == 464);
static_assert(offsetof(ListSettings, rightIndent) == 20);
static_assert(offsetof(ListSettings, gapKind) == 40);
static_assert(offsetof(ListSettings, leadAmount) == 44);
static_assert(offsetof(ListSettings, gapAmount) == 48);
static_assert(offsetof(ListSettings, bulletFontIndex) == 52);
static_assert(offsetof(ListSettings, bulletFont) == 54);
static_assert(offsetof(ListSettings, bulletStyleId) == 86);
static_assert(offsetof(ListSettings, bulletStyleName) == 88);
static_assert(offsetof(ListSettings, bulletChar) == 120);
static_assert(offsetof(ListSettings, numberType) == 122);
static_assert(offsetof(ListSettings, levelStyleId) == 132);
static_assert(offsetof(ListSettings, levelStyleName) == 142);
static_assert(offsetof(ListSettings, hangIndents) == 302);
static_assert(offsetof(ListSettings, boldMarkers) == 303);
static_assert(offsetof(ListSettings, autoIndent) == 304);
static_assert(offsetof(ListSettings, reserved305) == 305);

inline constexpr size_t kListSettingsSize = sizeof(ListSettings);

/// Every value of the factory record, the style overrides cleared.
ListSettings defaultListSettings();

/// Clears the five level overrides and the bullet's override (they never survive a restart).
void ResetStyleOverrides(ListSettings& settings);

/// The record made safe to use from stored bytes: a gap kind or number type out of range, or a NUL
/// bullet, takes the default; every name is cut to 31 characters and terminated.
ListSettings sanitisedListSettings(const ListSettings& stored);

/// The record read from `size` bytes, or nothing when fewer than a whole record are there.
bool listSettingsFromBytes(const void* bytes, size_t size, ListSettings& out);

/// The working record of this plug-in.
ListSettings& listSettings();

/// The 16-bit character a gap kind puts between marker and text (160, 32 or 9).
uint16_t gapCharacter(int16_t gapKind);

} // namespace dotwise
