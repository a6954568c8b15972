// Dotwise's palette, settings dialog, popup menus and bitmaps, as the resource table lists them.
#pragma once

#include <cstdint>

#include "foundation/resources/resource_builders.h"
#include "xtapi/dialogs.h"
#include "xtapi/records.h"

namespace dotwise {

enum DialogResourceId : int32_t {
    SettingsDialogResource = 20000,
    PaletteResource = 20010,
};

enum MenuResourceId : int32_t {
    GapCharacterMenu = 20000,
    NumberTypeMenu = 20001,
    PaletteActionMenu = 20003,
};

enum BitmapId : int32_t {
    FirstButtonBitmap = 20000,       // + button 1 to 4
    FirstPressedButtonBitmap = 30000,
    BannerBitmap = 20008,
};

inline constexpr int32_t kSettingsDialogItemCount = 50;
extern const xt::DialogResource<6> kPaletteTemplate;
extern const xt::DialogResource<kSettingsDialogItemCount> kSettingsDialogTemplate;

inline constexpr char kGapCharacterEntries[] = "En Space\0Space\0Tab";
inline constexpr char kNumberTypeEntries[] = "1.\0001)\0A.\0a.\0A)\0a)\0IV.\0iv.";
inline constexpr char kPaletteActionEntries[] =
    "Settings...\0-\0Remove bullets and numbers\0Remove bullets, numbers and indent\0Zero left and right indents";

using foundation::resources::bitmapEntry;
using foundation::resources::dialogEntry;
using foundation::resources::menuEntry;

} // namespace dotwise
