// Small helpers for the settings dialog's items: popup rows by text, check boxes, fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace dotwise::ui {

/// The text of a popup row; empty when the row cannot be read.
std::string GetListItemText(int32_t item, int32_t row);
/// Replaces every row of the popup with `text` as its first row; gives back the next row's index.
void resetPopup(int32_t item, const std::string& firstRow);
/// Appends a row with this text.
void appendPopupRow(int32_t item, const std::string& text);
/// Inserts a row with this text before row `row`.
void insertPopupRow(int32_t item, int32_t row, const std::string& text);
/// The first row whose text equals `text`, 0 when none does. A name that fills a record's name field
/// was cut to fit, so it matches the first row that starts with it.
int32_t FindPopupIndex(int32_t item, const char* text, size_t fieldSize);
int32_t popupSelection(int32_t item);

/// Copies `text` into a record's name field: cut to size - 1 characters, zero-filled.
void copyName(char* name, size_t size, const std::string& text);

/// The first character of a UTF-8 text as a 16-bit character, 0 for an empty text.
uint16_t firstCharacter(const std::string& text);
/// One 16-bit character as UTF-8.
std::string utf8Of(uint16_t character);

} // namespace dotwise::ui
