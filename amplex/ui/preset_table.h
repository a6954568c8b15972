// What Amplex knows of each preset beyond its name: whether it is offered in "Fit to" lists, and
// whether it is a size preset; and the palette's preset list built from that.
#pragma once

#include <cstdint>

namespace amplex::ui {

/// `FitToListKind` of a preset.
enum FitToListKind : int16_t { FitToNotOffered = 0, FitToSelections = 1, FitToDocuments = 2 };

/// Rebuilds the table from the preset files, in list order; a preset past the table's room, or one
/// that cannot be read, is not offered and counts as no size preset.
void ReloadAllPresets();
/// The "Add to 'Fit to' list" action for preset `index`; nothing for an index outside the list or a
/// preset that cannot be read in full (its file is left as it is).
void SetPresetFitToKind(int32_t index);
/// Whether preset `index` scales by size; false for a preset that could not be read.
bool IsSizePreset(int32_t index);
int16_t presetFitToKind(int32_t index);
/// Refills the palette's preset list with "Current" and the presets offered for selections.
void FillPresetPopup();

/// The value the palette's list keeps with "Current".
inline constexpr int32_t kCurrentPresetChoice = -1;

} // namespace amplex::ui
