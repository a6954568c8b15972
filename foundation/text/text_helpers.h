// Small helpers every plug-in carries: host text to C strings, string tests, the version text and
// the standard warning box.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace foundation {

/// The codes a conversion hands to the host's error frame when an argument check fails.
enum TextCheckCode : int32_t {
    TextCheckNoLength = 4,      // the text's length is 0 or less (a null text object counts as empty)
    TextCheckNoCharacters = 5,  // the text has no character data
    TextCheckNoRoom = 6,        // no room for even the terminating zero
    TextCheckNoBuffer = 7,      // the destination is null
    TextCheckNoFlag = 8,        // the success flag pointer is null
};

/// Copies a host text into `buffer`, zero-terminated; the buffer must hold the text's length + 1 bytes.
/// Bad arguments are reported through the host's error frame; the buffer then holds "".
void TextToCString(xt::TextObject text, char* buffer);

/// The bounded form: writes at most `capacity` bytes, the terminating zero included, cutting a
/// longer text.
void TextToCString(xt::TextObject text, char* buffer, int32_t capacity);

/// Converts `length` characters in `encoding` into `buffer`, which holds `*size` bytes. Sets `*done`
/// to 1 on success and gives back in `*size` the length written without the terminating zero.
void TextToCStringChecked(int32_t length, const char* chars, int32_t* size, char* buffer, uint8_t* done,
    int32_t encoding);

/// Writes a zero byte at buffer[index].
void TerminateAt(char* buffer, int16_t index);

/// True when `part` occurs in `text` (case-sensitive); an empty part is only in an empty text.
bool ContainsString(const char* text, const char* part);

inline constexpr int32_t kVersionTextLength = 8;

/// Copies the first 8 bytes of this plug-in's "VERS" resource 1 into `destination`; a shorter
/// resource copies what it has, and a missing one leaves the destination as it was.
void ReadVersionText(char* destination);

inline constexpr char kWarningTitle[] = "VORNE";

/// Shows `message` in a warning box titled "VORNE" and puts back the cursor that was showing.
void WarningBox(const char* message);

} // namespace foundation
