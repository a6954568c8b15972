// The text of list markers: numbers in the eight styles, bullets, and the recognition of a marker at the
// start of a paragraph. Pure functions, no host calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dotwise/settings/list_settings.h"

namespace dotwise {

/// The character that hangs the paragraph's following lines at this place.
inline constexpr char16_t kHangMarkCharacter = 30;
inline constexpr char16_t kTabCharacter = 9;
inline constexpr int32_t kLargestRoman = 3000;

/// Roman numerals of 1 to 3000; empty outside that range.
std::string FormatRoman(int32_t value, bool lower);

/// A, B, ... Z, then A again (the 27th item), or the lower-case letters.
std::string formatLetter(int32_t counter, bool lower);

/// The number text of `type` for `counter`, without its suffix.
std::string numberText(int16_t type, int32_t counter);

/// "." or ")" for the type.
char numberSuffix(int16_t type);

/// [tab when the gap is a tab] + bullet + gap + [30 when hang indents are on].
std::u16string bulletMarker(const ListSettings& settings);

/// [tab when the gap is a tab] + number + suffix + gap + [30 when hang indents are on].
std::u16string numberMarker(const ListSettings& settings, int16_t type, int32_t counter);

/// How many characters of `text` (a paragraph from its start, without its break) form a marker that
/// Dotwise could have written: an optional tab, the bullet or a number of the eight styles with its
/// suffix, the gap (space, en space or tab) and an optional 30. 0 when the paragraph starts with
/// anything else, so that words like "Dr. " or "Note) " stay.
int32_t markerLength(std::u16string_view text, uint16_t bullet);

} // namespace dotwise
