// Amplex settings files: one raw 192-byte ScaleSettings record, creator "BBRO", type 'pref'.
#pragma once

#include <cstdint>

#include "amplex/settings/settings.h"
#include "xtapi/types.h"

namespace amplex {

inline constexpr xt::FourLetterCode kSettingsCreator = xt::fourCC("BBRO");
inline constexpr xt::FourLetterCode kSettingsType = xt::kFileTypePreferences;

/// The file held more or fewer bytes than one record, or took fewer than one.
inline constexpr int16_t kStatusIncompleteRecord = -1;
/// No file name was given.
inline constexpr int16_t kStatusNoFileName = -37;

/// Reads the file into `record` (the live record when null). The whole file must be one record;
/// fields out of their range come back as their defaults. On any failure `record` is unchanged and
/// the user is told "Sorry, problems loading settings!", except when a file whose name contains
/// "Default" does not open. Returns 0 or the failing host status.
int16_t ReadSettingsFile(ScaleSettings* record, const char* name, int16_t volume, int32_t folder);

/// Creates the file (replacing one that is in the way) and writes `record` (the live record when
/// null). Returns 0 or the failing host status, after telling the user.
int16_t CreateSettingsFile(const ScaleSettings* record, const char* name, int16_t volume, int32_t folder);

/// Writes `record` (the live record when null) over an existing file, which keeps its creator and
/// type and ends after the record. Returns 0 or the failing host status, after telling the user.
int16_t WriteSettingsFile(const ScaleSettings* record, const char* name, int16_t volume, int32_t folder);

} // namespace amplex
