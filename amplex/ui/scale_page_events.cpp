// The Scale page's window callback: set-up, tab events and the user's clicks and edits.
#include <climits>

#include "amplex/settings/settings.h"
#include "amplex/startup/handlers.h"
#include "amplex/ui/dialog_items.h"
#include "amplex/ui/fit_targets.h"
#include "amplex/ui/scale_page.h"
#include "foundation/binding/binding.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace amplex::ui {
namespace {

using namespace xt::calls;

PageGeometry currentPageGeometry()
{
    PageGeometry page;
    int16_t id = -1;
    GetCurrentDocument(&id);
    if (id < 0)
        return page;
    const xt::DocumentRef document = GetDocumentRef(id);
    XdnOp519(document, &page.width);
    XdnOp520(document, &page.height);
    XdgOp512(document, &page.marginTop, &page.marginBottom, &page.marginLeft, &page.marginRight);
    XdgOp510(document, &page.columns);
    XdgOp509(document, &page.gutter);
    return page;
}

Size wantedFitSize()
{
    const auto& settings = currentSettings();
    if (dialogState().paperSizeFit())
        return paperFitTarget(settings.FitToChoice);
    const Size target = selectionFitTarget(settings.FitToChoice, currentPageGeometry(), scaleReference(),
        settings.Constrain != 0);
    dialogState().setFitTarget(target);
    return target;
}

void chooseScaleWhat(int16_t scaleWhat)
{
    auto& settings = currentSettings();
    auto& state = dialogState();
    settings.ScaleWhat = scaleWhat;
    const bool selection = scaleWhat == ScaleSelectionOnly;
    if (!selection)
        settings.FitTextRequest = 0;
    const bool listChanges = selection == state.paperSizeFit();
    if (listChanges)
        settings.FitToChoice = 0;
    state.setSelectionBounds(selection ? state.savedSelectionBounds() : state.pageBounds());
    if (settings.ScaleByPercent != 1) {
        const Size reference = scaleReference();
        showNumber(HorizontalField, reference.width);
        showNumber(VerticalField, reference.height);
    }
    if (!selection && state.fitToOn()) {
        settings.Constrain = 1;
        setChecked(ConstrainBox, true);
    }
    UpdateScalePageEnabling();
    FillFitToList();
}

void setValueMode(bool percent)
{
    auto& settings = currentSettings();
    const bool wasPercent = settings.ScaleByPercent == 1;
    const Size reference = scaleReference();
    const auto horizontal = fieldNumber(HorizontalField).value_or(settings.HorizontalEntry);
    const auto vertical = fieldNumber(VerticalField).value_or(settings.VerticalEntry);
    const auto step = fieldNumber(StepField).value_or(settings.StepEntry);
    settings.ScaleByPercent = percent ? 1 : 0;
    if (percent && !wasPercent) {
        settings.HorizontalEntry = reference.width ? FixedDivide(horizontal, reference.width) : xt::kFixedOne;
        settings.VerticalEntry = reference.height ? FixedDivide(vertical, reference.height) : xt::kFixedOne;
        settings.StepEntry = reference.width ? FixedDivide(step, reference.width) : 0;
    } else if (!percent && wasPercent) {
        settings.HorizontalEntry = FixedMultiply(reference.width, horizontal);
        settings.VerticalEntry = FixedMultiply(reference.height, vertical);
        settings.StepEntry = 0;
    } else {
        return;
    }
    setValueUnits(percent);
    showNumber(HorizontalField, settings.HorizontalEntry);
    showNumber(VerticalField, settings.VerticalEntry);
    showNumber(StepField, settings.StepEntry);
}

/// Keeps the reference's proportions after one of the two value fields was edited.
void keepProportions(int32_t edited)
{
    const auto& settings = currentSettings();
    const auto value = fieldNumber(edited);
    if (!value)
        return;
    const int32_t other = edited == HorizontalField ? VerticalField : HorizontalField;
    if (settings.ScaleByPercent == 1) {
        showNumber(other, *value);
        return;
    }
    const Size reference = scaleReference();
    const Fixed from = edited == HorizontalField ? reference.width : reference.height;
    const Fixed to = edited == HorizontalField ? reference.height : reference.width;
    if (from != 0)
        showNumber(other, FixedMultiply(to, FixedDivide(*value, from)));
}

void chooseFitToEntry(int32_t row)
{
    auto& settings = currentSettings();
    settings.FitToChoice = static_cast<int16_t>(row + 1);
    setValueMode(false);
    turnOnRadio(SizeRadio);
    dialogState().setFitToOn(true);
    setChecked(FitToBox, true);
    settings.Constrain = 0;
    setChecked(ConstrainBox, false);
    settings.TargetWidth = settings.TargetHeight = 0;
    showFitTarget();
    UpdateScalePageEnabling();
}

void toggleFitTo()
{
    auto& settings = currentSettings();
    const bool on = isChecked(FitToBox);
    dialogState().setFitToOn(on);
    if (on) {
        if (settings.FitToChoice == 0)
            settings.FitToChoice = 1;
        setValueMode(false);
        turnOnRadio(SizeRadio);
        showFitTarget();
    }
    UpdateScalePageEnabling();
}

void toggleConstrain()
{
    auto& settings = currentSettings();
    settings.Constrain = isChecked(ConstrainBox) ? 1 : 0;
    if (dialogState().fitToOn()) {
        showFitTarget();
        return;
    }
    if (settings.Constrain)
        keepProportions(HorizontalField);
}

void itemHit(int32_t item, int32_t detail)
{
    auto& settings = currentSettings();
    switch (item) {
    case SelectionRadio: chooseScaleWhat(ScaleSelectionOnly); break;
    case DocumentRadio: chooseScaleWhat(ScaleDocument); break;
    case FromPageRadio: chooseScaleWhat(ScalePageRange); break;
    case PercentRadio:
        dialogState().setFitToOn(false);
        setChecked(FitToBox, false);
        setValueMode(true);
        break;
    case SizeRadio: setValueMode(false); break;
    case ConstrainBox: toggleConstrain(); break;
    case FitToBox: toggleFitTo(); break;
    case FitToList:
        if (detail == xt::SelectionChanged)
            chooseFitToEntry(listSelection(FitToList));
        break;
    case HorizontalField:
    case VerticalField:
        dialogState().setFitToOn(false);
        setChecked(FitToBox, false);
        if (settings.Constrain)
            keepProportions(item);
        break;
    case ScaleFromList:
        if (detail == xt::SelectionChanged && listSelection(ScaleFromList) >= 0)
            settings.ScaleFrom = static_cast<int16_t>(listSelection(ScaleFromList));
        break;
    default: break;
    }
}

void initItems()
{
    makeNumericField(PageFromField, xt::UnitPlainNumber, 0, 1000 * xt::kFixedOne);
    makeNumericField(PageToField, xt::UnitPlainNumber, 0, 1000 * xt::kFixedOne);
    makeNumericField(RepeatField, xt::UnitPlainNumber, -1000 * xt::kFixedOne, 1000 * xt::kFixedOne);
    if (dialogState().noSelection()) {
        DefineRadioGroup(SelectionRadio, SelectionRadio, 0);
        DefineRadioGroup(DocumentRadio, FromPageRadio, 0);
        setEnabled(SelectionRadio, false);
        currentSettings().ScaleDocumentSize = 1;
        if (currentSettings().ScaleWhat == ScaleSelectionOnly)
            currentSettings().ScaleWhat = ScaleDocument;
    } else {
        DefineRadioGroup(SelectionRadio, FromPageRadio, 0);
    }
    DefineRadioGroup(PercentRadio, SizeRadio, 0);
}

/// The page's range and repeat fields, and the value fields without turning sizes into ratios.
void acceptFields()
{
    auto& state = dialogState();
    state.setPageRange(fieldNumber(PageFromField).value_or(state.pageFrom()),
        fieldNumber(PageToField).value_or(state.pageTo()));
    state.setRepeatCount(fieldNumber(RepeatField).value_or(state.repeatCount()));
    showNumber(RepeatField, state.repeatCount());
    auto& settings = currentSettings();
    settings.HorizontalEntry = fieldNumber(HorizontalField).value_or(settings.HorizontalEntry);
    settings.VerticalEntry = fieldNumber(VerticalField).value_or(settings.VerticalEntry);
    settings.StepEntry = fieldNumber(StepField).value_or(settings.StepEntry);
}

} // namespace

void showFitTarget()
{
    const Size wanted = wantedFitSize();
    showNumber(HorizontalField, wanted.width);
    showNumber(VerticalField, wanted.height);
}

} // namespace amplex::ui

namespace amplex {

/// The host asks a page leaving the front to hand its values to the record.
constexpr int32_t kGiveUpValuesEvent = 23;

int32_t ScalePageProc(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    auto& settings = currentSettings();
    record.handled = 1;
    switch (record.event) {
    case xt::WhichResourceEvent:
        static_cast<xt::WhichResourceBlock*>(record.argument.answer)->resourceId = 21001;
        break;
    case xt::CreatedEvent:
        ui::pageWindows().scale = xt::calls::GetCallbackWindow();
        settings.FitToChoice = 0;
        settings.FitTextRequest = 0;
        settings.FitPictureRequest = 0;
        ui::dialogState().setFitToOn(false);
        break;
    case xt::InitItemsEvent: ui::initItems(); break;
    case xt::WindowOpened:
        ui::FillScalePage();
        xt::calls::FieldOp1577(ui::HorizontalField, 0, 0x7FFF);
        break;
    case xt::TabEvent22: ui::FillFitToList(); break;
    case kGiveUpValuesEvent: ui::ReadScalePage(); break;
    case xt::AcceptEvent:
        ui::acceptFields();
        ui::BuildFitToList();
        xt::calls::WindowOp1510();
        break;
    case xt::CancelEvent: ui::dialogState().setCancelled(true); break;
    case xt::ItemHit:
        ui::itemHit(record.item, record.argument.pair.detail);
        ui::BuildFitToList();
        xt::calls::WindowOp1510();
        break;
    case xt::DrawEvent:
    case xt::DrawEvent14:
    case xt::DrawEvent24: break;
    default: record.handled = 0;
    }
    return 0;
}

} // namespace amplex
