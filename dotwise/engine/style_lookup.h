// Finding the current document's style sheets by the names the settings keep.
#pragma once

#include <cstdint>

namespace dotwise {

/// The index among the current document's paragraph style sheets of the first one named `name`, or -1.
int32_t FindParagraphStyleSheet(const char* name);
/// The same among its character style sheets.
int32_t FindCharacterStyleSheet(const char* name);

/// A font family's id by its name; 0 when no family has the name.
int16_t FontIdFromName(const char* name);

} // namespace dotwise
