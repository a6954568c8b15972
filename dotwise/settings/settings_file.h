// The settings file "\Dotwise Settings" in the Windows system directory, and the settings block a
// document may carry: where the working ListSettings comes from before each list action.
#pragma once

#include <cstdint>
#include <string>

#include "dotwise/settings/list_settings.h"
#include "xtapi/types.h"

namespace dotwise {

inline constexpr char kSettingsFileName[] = "\\Dotwise Settings";
/// "VORN" and "pref", read as multi-character constants.
inline constexpr xt::FourLetterCode kSettingsCreator = 0x564F524E;
inline constexpr xt::FourLetterCode kSettingsType = 0x70726566;
/// A file that was there but held less than a whole record.
inline constexpr int16_t kStatusShortRecord = -1;

/// The system directory followed by the file name.
std::string settingsFilePath();

/// Reads the file into `settings` only when it holds a whole record; otherwise `settings` stays as it
/// was and the result says why (the host's open or read status, or kStatusShortRecord). A file cut
/// short is told to the user; a missing one is not (it is made at the dialog's first OK).
int16_t LoadListSettingsFile(ListSettings& settings);

/// Writes the record beside the old file and puts it in the old file's place only once it is whole, so
/// a failed save leaves the saved settings as they were; a failure is told to the user.
int16_t SaveListSettings(const ListSettings& settings);

/// The document's block when it carries a whole one, else the file; neither leaves the record as it was.
void LoadListSettings(ListSettings& settings);

} // namespace dotwise
