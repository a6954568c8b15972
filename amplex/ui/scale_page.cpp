// The Scale page's transfers: fill (record to controls), read-back (controls to record), enabling, size line.
#include "amplex/ui/scale_page.h"

#include <climits>
#include <string>

#include "amplex/resources/dialog_resources.h"
#include "amplex/settings/settings.h"
#include "amplex/ui/dialog_items.h"
#include "amplex/ui/fit_targets.h"
#include "foundation/binding/binding.h"
#include "xtapi/dialogs.h"

namespace amplex::ui {
namespace {

using xt::calls::FixedDivide;
using xt::calls::FixedMultiply;

constexpr int16_t kPercent = 1;

void showValues(Fixed horizontal, Fixed vertical, Fixed step)
{
    showNumber(HorizontalField, horizontal);
    showNumber(VerticalField, vertical);
    showNumber(StepField, step);
}

int32_t scaleWhatRadio(int16_t scaleWhat)
{
    if (scaleWhat == ScaleDocument)
        return DocumentRadio;
    return scaleWhat == ScalePageRange ? FromPageRadio : SelectionRadio;
}

int16_t scaleWhatOf(int32_t radio, int16_t fallback)
{
    switch (radio) {
    case SelectionRadio: return ScaleSelectionOnly;
    case DocumentRadio: return ScaleDocument;
    case FromPageRadio: return ScalePageRange;
    default: return fallback;
    }
}

void fillValueFields(ScaleSettings& settings)
{
    setValueUnits(settings.ScaleByPercent == kPercent);
    if (settings.ScaleByPercent == kPercent) {
        settings.HorizontalEntry = settings.HorizontalFactor;
        settings.VerticalEntry = settings.VerticalFactor;
        settings.StepEntry = settings.StepFactor;
        showValues(settings.HorizontalEntry, settings.VerticalEntry, settings.StepEntry);
        return;
    }
    const Size reference = scaleReference();
    const bool useReference = settings.TargetWidth == 0;
    settings.HorizontalEntry = useReference ? reference.width : settings.TargetWidth;
    settings.VerticalEntry = useReference ? reference.height : settings.TargetHeight;
    showValues(settings.HorizontalEntry, settings.VerticalEntry, 0);
}

/// Reads the three value fields into the entries; a field the user left unreadable keeps its entry.
void readValueFields(ScaleSettings& settings)
{
    settings.HorizontalEntry = fieldNumber(HorizontalField).value_or(settings.HorizontalEntry);
    settings.VerticalEntry = fieldNumber(VerticalField).value_or(settings.VerticalEntry);
    settings.StepEntry = fieldNumber(StepField).value_or(settings.StepEntry);
}

Fixed ratio(Fixed size, Fixed reference)
{
    // A line has no height (or no width); its ratio stays 100 % rather than dividing by zero.
    return reference == 0 ? xt::kFixedOne : FixedDivide(size, reference);
}

} // namespace

void setValueUnits(bool percent)
{
    makeNumericField(HorizontalField, percent ? xt::UnitPercent : xt::UnitHorizontal, INT32_MIN, INT32_MAX);
    makeNumericField(VerticalField, percent ? xt::UnitPercent : xt::UnitVertical, INT32_MIN, INT32_MAX);
    makeNumericField(StepField, percent ? xt::UnitPercent : xt::UnitHorizontal, INT32_MIN, INT32_MAX);
}

Size scaleReference()
{
    const Bounds& bounds = dialogState().selectionBounds();
    return {bounds.width(), bounds.height()};
}

void FillFitToList()
{
    auto& settings = currentSettings();
    const bool selection = settings.ScaleWhat == ScaleSelectionOnly && !dialogState().noSelection();
    dialogState().setFitToEntries(selection ? FitToEntries::Selection : FitToEntries::Paper);
    const int32_t count = selection ? kSelectionFitToCount : kPaperFitToCount;
    const int32_t choice = settings.FitToChoice;
    const int32_t row = choice >= 1 && choice <= count ? choice - 1 : 0;
    loadListMenu(FitToList, selection ? SelectionFitToMenu : PaperFitToMenu, row);
}

void UpdateScalePageEnabling()
{
    const auto& settings = currentSettings();
    const bool fitting = settings.FitTextRequest != 0 || settings.FitPictureRequest != 0;
    for (int32_t item : {PercentRadio, ConstrainBox, HorizontalField, VerticalField, ScaleFromList, ScaleByLabel,
             ScaleFromLabel, HorizontalPicture, VerticalPicture})
        setEnabled(item, !fitting);
    const bool stepping = !fitting && settings.ScaleWhat == ScaleSelectionOnly;
    for (int32_t item : {RepeatField, StepField, RepeatLabel, StepLabel})
        setEnabled(item, stepping);
}

void BuildFitToList()
{
    const auto& settings = currentSettings();
    const DialogState& state = dialogState();
    if (state.fitToOn() && settings.FitToChoice != 0) {
        setStaticString(SizeLine, std::string(fitToLine(state.fitToEntries(), settings.FitToChoice)));
        return;
    }
    if (settings.HorizontalEntry < kSmallestShownFactor || settings.VerticalEntry < kSmallestShownFactor) {
        setStaticString(SizeLine, "IMPROPER VALUE!!!");
        return;
    }
    Fixed width = settings.HorizontalEntry;
    Fixed height = settings.VerticalEntry;
    if (settings.ScaleByPercent == kPercent) {
        const Size reference = scaleReference();
        width = FixedMultiply(reference.width, settings.HorizontalEntry);
        height = FixedMultiply(reference.height, settings.VerticalEntry);
    }
    setStaticString(SizeLine, "Scaled Size: " + formatMeasurement(width, xt::UnitHorizontal) + " x "
            + formatMeasurement(height, xt::UnitVertical));
}

void FillScalePage()
{
    DrawingScope scope(pageWindows().scale);
    if (!scope.active())
        return;
    auto& settings = currentSettings();
    settings.FitToChoice = 0;
    FillFitToList();
    loadListMenu(ScaleFromList, ScaleFromMenu, settings.ScaleFrom);
    const DialogState& state = dialogState();
    showNumber(PageFromField, state.pageFrom());
    showNumber(PageToField, state.pageTo());
    showNumber(RepeatField, state.repeatCount());
    fillValueFields(settings);
    turnOnRadio(scaleWhatRadio(settings.ScaleWhat));
    turnOnRadio(settings.ScaleByPercent == kPercent ? PercentRadio : SizeRadio);
    dialogState().setFitToOn(false);
    setChecked(FitToBox, false);
    setChecked(ConstrainBox, settings.Constrain != 0);
    UpdateScalePageEnabling();
    BuildFitToList();
}

bool ReadScalePage(bool keepTargets)
{
    DrawingScope scope(pageWindows().scale);
    if (!scope.active())
        return true;
    auto& settings = currentSettings();
    settings.ScaleWhat = scaleWhatOf(radioOn(SelectionRadio), settings.ScaleWhat);
    settings.ScaleByPercent = radioOn(PercentRadio) == SizeRadio ? 0 : kPercent;
    settings.Constrain = checkedByte(ConstrainBox, settings.Constrain);
    const bool fitTo = isChecked(FitToBox);
    dialogState().setFitToOn(fitTo);
    if (fitTo && settings.FitToChoice == 0)
        settings.FitToChoice = 1;
    readValueFields(settings);
    if (settings.ScaleByPercent == kPercent) {
        if (!keepTargets)
            settings.TargetWidth = settings.TargetHeight = 0;
    } else {
        if (!keepTargets) {
            settings.TargetWidth = settings.HorizontalEntry;
            settings.TargetHeight = settings.VerticalEntry;
        }
        const Size reference = scaleReference();
        settings.HorizontalEntry = ratio(settings.HorizontalEntry, reference.width);
        settings.VerticalEntry = ratio(settings.VerticalEntry, reference.height);
        settings.StepEntry = ratio(settings.StepEntry, reference.width);
    }
    settings.HorizontalFactor = settings.HorizontalEntry;
    settings.VerticalFactor = settings.VerticalEntry;
    settings.StepFactor = settings.StepEntry;
    return true;
}

} // namespace amplex::ui
