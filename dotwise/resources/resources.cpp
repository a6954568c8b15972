// Dotwise's resource table.
#include "dotwise/resources/resources.h"

#include "foundation/resources/resource_builders.h"

#include "dotwise/resources/dialog_resources.h"
#include "dotwise/resources/strings.h"
#include "xtapi/types.h"

namespace dotwise {
namespace {

using foundation::resources::text;

constexpr char kVersionText[8] = {'8', '.', '0', 0, 0, 0, 0, 0};

} // namespace

const std::array<xt::Resource, kResourceCount> kDotwiseResources = {{
    text(StringShowPalette, "Show VORNE Dotwise"),
    text(StringHidePalette, "Hide VORNE Dotwise"),
    text(StringPreferenceFile, "Dotwise Preferences.prf"),
    {xt::kResourceVersion, 1, kVersionText, sizeof kVersionText},
    dialogEntry(PaletteResource, kPaletteTemplate),
    dialogEntry(SettingsDialogResource, kSettingsDialogTemplate),
    menuEntry(GapCharacterMenu, kGapCharacterEntries),
    menuEntry(NumberTypeMenu, kNumberTypeEntries),
    menuEntry(PaletteActionMenu, kPaletteActionEntries),
    bitmapEntry(20001), bitmapEntry(20002), bitmapEntry(20003), bitmapEntry(20004),
    bitmapEntry(30001), bitmapEntry(30002), bitmapEntry(30003), bitmapEntry(30004),
    bitmapEntry(BannerBitmap),
}};

} // namespace dotwise
