// The Scale page (dialog 21001): what to scale, percent or size, "Fit to", step and repeat, origin.
#pragma once

#include <cstdint>

#include "amplex/ui/dialog_state.h"

namespace amplex::ui {

enum ScalePageItem : int32_t {
    SelectionRadio = 1,
    DocumentRadio = 2,
    FromPageRadio = 3,
    PercentRadio = 4,
    SizeRadio = 5,
    ConstrainBox = 6,
    FitToBox = 7,
    FitToList = 8,
    HorizontalPicture = 11,
    VerticalPicture = 12,
    StepLabel = 13,
    RepeatLabel = 14,
    ScaleByLabel = 15,
    SizeLine = 16,
    PageFromField = 17,
    PageToField = 18,
    HorizontalField = 19,
    VerticalField = 20,
    RepeatField = 21,
    StepField = 22,
    ScaleFromList = 23,
    ScaleFromLabel = 24,
};

/// Record to controls; nothing while the page does not exist.
void FillScalePage();
/// Controls to record; true (and nothing read) while the page does not exist. With `keepTargets`
/// the wanted size stays as it was ("Use Settings").
bool ReadScalePage(bool keepTargets = false);
void FillFitToList();
void UpdateScalePageEnabling();
void BuildFitToList();
/// Shows the wanted size of the chosen "Fit to" entry in the two value fields.
void showFitTarget();

/// The value fields change unit with the mode: percentages, or widths and heights.
void setValueUnits(bool percent);

/// The reference the page converts between sizes and ratios: the selection or the page bounds.
Size scaleReference();

} // namespace amplex::ui
