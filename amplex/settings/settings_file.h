// Amplex settings files: one raw 192-byte ScaleSettings record, creator "BBRO", type 'pref'.
#pragma once

#include "amplex/settings/settings.h"
#include "foundation/settings/settings_file.h"
#include "xtapi/types.h"

namespace amplex {

inline constexpr xt::FourLetterCode kSettingsCreator = xt::fourCC("BBRO");
inline constexpr xt::FourLetterCode kSettingsType = xt::kFileTypePreferences;

/// Amplex's settings file: the live record is the working one, and fields out of their range come
/// back as their defaults. A failure is told with "Sorry, problems loading settings!" and its kin.
const foundation::SettingsFile<ScaleSettings>& settingsFile();

} // namespace amplex
