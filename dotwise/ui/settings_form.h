// The settings dialog's items and the two directions between them and ListSettings.
#pragma once

#include <array>
#include <cstdint>

#include "dotwise/settings/list_settings.h"

namespace dotwise::ui {

enum SettingsItem : int32_t {
    GapPopup = 17,
    GapAmountField = 18,
    LeadAmountField = 19,
    FontPopup = 21,
    CharacterField = 22,
    BulletStylePopup = 24,
    BoldBox = 33,
    HangBox = 34,
    AutoIndentBox = 35,
    BannerPicture = 55,
};

/// Levels 1 to 4: the left and right indent fields and the paragraph style popup.
inline constexpr std::array<int32_t, 4> LeftIndentFields = {4, 7, 10, 13};
inline constexpr std::array<int32_t, 4> RightIndentFields = {5, 8, 11, 14};
inline constexpr std::array<int32_t, 4> LevelStylePopups = {6, 9, 12, 15};
inline constexpr std::array<int32_t, 4> NumberTypePopups = {26, 28, 30, 32};
inline constexpr std::array<int32_t, 10> kMeasurementFields = {4, 5, 7, 8, 10, 11, 13, 14, 18, 19};

/// Record -> fields and check boxes (the popups are filled by the dialog).
void fillForm(const ListSettings& settings);

/// Items -> record. A field whose text is no measurement in range, an empty Character field, or a popup
/// without a selection keeps the record's value.
void ReadSettingsDialog(ListSettings& settings);

} // namespace dotwise::ui
