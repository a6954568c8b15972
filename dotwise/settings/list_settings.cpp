// The ListSettings defaults, the overrides reset, and the checks a stored record passes before use.
#include "dotwise/settings/list_settings.h"

#include <array>
#include <cstring>

namespace dotwise {
namespace {

constexpr xt::Fixed points(int32_t value)
{
    return value * xt::kFixedOne;
}

constexpr std::array<xt::Fixed, kLevelCount> kDefaultIndents = {points(0), points(36), points(72), points(108), points(144)};
constexpr std::array<int16_t, kLevelCount> kDefaultNumberTypes = {
    NumberDecimalPoint, NumberDecimalPoint, NumberLowerLetterPoint, NumberDecimalParen, NumberLowerRoman};
/// Indexed by the gap kind; slot 0 is not a kind.
constexpr std::array<uint16_t, 4> kGapCharacters = {0, 160, 32, 9};

void setName(char (&name)[kNameSize], const char* text)
{
    std::memset(name, 0, kNameSize);
    std::strncpy(name, text, kNameSize - 1);
}

void terminate(char (&name)[kNameSize])
{
    name[kNameSize - 1] = 0;
}

bool isNumberType(int16_t type)
{
    return type >= kFirstNumberType && type <= kLastNumberType;
}

ListSettings g_settings = defaultListSettings();

} // namespace

ListSettings defaultListSettings()
{
    ListSettings settings{};
    for (int level = 0; level < kLevelCount; ++level) {
        settings.leftIndent[level] = kDefaultIndents[static_cast<size_t>(level)];
        settings.rightIndent[level] = kDefaultIndents[static_cast<size_t>(level)];
        settings.numberType[level] = kDefaultNumberTypes[static_cast<size_t>(level)];
    }
    settings.gapKind = GapTab;
    settings.leadAmount = points(12);
    settings.gapAmount = points(9);
    settings.bulletFontIndex = 0;
    setName(settings.bulletFont, kSameFont);
    settings.bulletChar = kDefaultBullet;
    settings.hangIndents = 1;
    settings.boldMarkers = 0;
    settings.autoIndent = 1;
    ResetStyleOverrides(settings);
    return settings;
}

void ResetStyleOverrides(ListSettings& settings)
{
    for (int level = 0; level < kLevelCount; ++level) {
        settings.levelStyleId[level] = kNoStyle;
        setName(settings.levelStyleName[level], "");
    }
    settings.bulletStyleId = kNoStyle;
    setName(settings.bulletStyleName, "");
}

ListSettings sanitisedListSettings(const ListSettings& stored)
{
    const ListSettings defaults = defaultListSettings();
    ListSettings settings = stored;
    if (settings.gapKind < GapEnSpace || settings.gapKind > GapTab)
        settings.gapKind = defaults.gapKind;
    for (int level = 0; level < kLevelCount; ++level) {
        if (!isNumberType(settings.numberType[level]))
            settings.numberType[level] = defaults.numberType[level];
        if (settings.levelStyleId[level] < kNoStyle)
            settings.levelStyleId[level] = kNoStyle;
        terminate(settings.levelStyleName[level]);
    }
    if (settings.bulletStyleId < kNoStyle)
        settings.bulletStyleId = kNoStyle;
    if (settings.bulletChar == 0)
        settings.bulletChar = defaults.bulletChar;
    terminate(settings.bulletFont);
    terminate(settings.bulletStyleName);
    settings.hangIndents = settings.hangIndents != 0 ? 1 : 0;
    settings.boldMarkers = settings.boldMarkers != 0 ? 1 : 0;
    settings.autoIndent = settings.autoIndent != 0 ? 1 : 0;
    return settings;
}

bool listSettingsFromBytes(const void* bytes, size_t size, ListSettings& out)
{
    if (!bytes || size < kListSettingsSize)
        return false;
    ListSettings stored{};
    std::memcpy(&stored, bytes, kListSettingsSize);
    out = sanitisedListSettings(stored);
    return true;
}

ListSettings& listSettings()
{
    return g_settings;
}

uint16_t gapCharacter(int16_t gapKind)
{
    if (gapKind < GapEnSpace || gapKind > GapTab)
        return kGapCharacters[GapTab];
    return kGapCharacters[static_cast<size_t>(gapKind)];
}

} // namespace dotwise
