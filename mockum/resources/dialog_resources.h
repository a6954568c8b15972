// The settings dialog's template (resource 999, "VORNE Mockum") and its item numbers.
#pragma once

#include <cstdint>

#include "xtapi/dialogs.h"

namespace mockum {

enum SettingsItem : int32_t {
    OkButton = 1,
    CancelButton = 2,
    FromField = 1000,
    ToField = 1001,
    ThresholdField = 1002,
    SelectionRadio = 1003,
    EntireItemRadio = 1004,
    PageRangeRadio = 1005,
    GreekBelowRadio = 1006,
    GreekAnyRadio = 1007,
    BannerPicture = 18,
};

inline constexpr size_t kSettingsItemCount = 17;
extern const xt::DialogResource<kSettingsItemCount> kSettingsDialogTemplate;

} // namespace mockum
