// The Text Fit page: which attributes the text fitter steps, by how much, and the fit command.
#include <cstddef>
#include <cstdint>

#include "amplex/resources/dialog_resources.h"
#include "amplex/settings/settings.h"
#include "amplex/startup/handlers.h"
#include "amplex/ui/dialog_items.h"
#include "amplex/ui/dialog_state.h"
#include "amplex/ui/options_page.h"
#include "amplex/ui/page_events.h"
#include "amplex/ui/scale_page.h"
#include "foundation/binding/binding.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace amplex::ui {
namespace {

struct FitRow {
    int32_t switchItem;
    uint8_t ScaleSettings::*switchField;
    int32_t incrementItem;
    Fixed ScaleSettings::*increment;
    int32_t unit;
    int32_t fineItem;
    uint8_t ScaleSettings::*fineField;
};

constexpr FitRow kRows[] = {
    {1, &ScaleSettings::FitTextSize, 7, &ScaleSettings::TextSizeIncrement, xt::UnitTextSize, 19, &ScaleSettings::FineTuneTextSize},
    {2, &ScaleSettings::FitLeading, 8, &ScaleSettings::LeadingIncrement, xt::UnitLeading, 20, &ScaleSettings::FineTuneLeading},
    {3, &ScaleSettings::FitSpaceBefore, 9, &ScaleSettings::SpaceBeforeIncrement, xt::UnitVertical, 21,
        &ScaleSettings::FineTuneSpaceBefore},
    {4, &ScaleSettings::FitSpaceAfter, 10, &ScaleSettings::SpaceAfterIncrement, xt::UnitVertical, 22,
        &ScaleSettings::FineTuneSpaceAfter},
    {5, &ScaleSettings::FitTracking, 11, &ScaleSettings::TrackingIncrement, xt::UnitPlainNumber, 23,
        &ScaleSettings::FineTuneTracking},
    {6, &ScaleSettings::FitHorizontalScale, 12, &ScaleSettings::HorizontalScaleIncrement, xt::UnitPercent, 24,
        &ScaleSettings::FineTuneHorizontalScale},
    {17, &ScaleSettings::FitIndents, 18, &ScaleSettings::IndentsIncrement, xt::UnitHorizontal, 25,
        &ScaleSettings::FineTuneIndents},
};

constexpr int32_t kFitToBoxRadio = 13;
constexpr int32_t kFitToColumnRadio = 14;
constexpr int32_t kShowFittingBox = 27;
constexpr int32_t kCommandList = 28;

const FitRow* rowOfSwitch(int32_t item)
{
    for (const auto& row : kRows) {
        if (row.switchItem == item)
            return &row;
    }
    return nullptr;
}

void enableRow(const FitRow& row, bool on)
{
    setEnabled(row.incrementItem, on);
    setEnabled(row.fineItem, on);
}

/// A document the companion service keeps takes no tracking or horizontal scale steps.
void refuseCompanionAttributes(ScaleSettings& settings)
{
    int16_t id = -1;
    xt::calls::GetCurrentDocument(&id);
    if (id < 0 || xt::calls::DocumentServiceTest(id) == 0)
        return;
    settings.FitTracking = 0;
    settings.FitHorizontalScale = 0;
    setChecked(5, false);
    setChecked(6, false);
    for (int32_t item : {6, 12, 24, 5, 11, 23})
        setEnabled(item, false);
}

void itemHit(xt::WindowCallbackRecord& record)
{
    auto& settings = currentSettings();
    if (const FitRow* row = rowOfSwitch(record.item)) {
        const bool on = settings.*row->switchField == 0;
        settings.*row->switchField = on ? 1 : 0;
        enableRow(*row, on);
        setChecked(row->switchItem, on);
    } else if (record.item == kShowFittingBox) {
        settings.ShowFitting = settings.ShowFitting ? 0 : 1;
        setChecked(kShowFittingBox, settings.ShowFitting != 0);
    } else if (record.item == kCommandList) {
        const int32_t chosen = listSelection(kCommandList);
        if (record.argument.pair.detail == xt::SelectionChanged && chosen >= 0)
            settings.FitCommand = chosen + 1;
    } else {
        record.handled = 0;
    }
    ReadTextFitPage();
}

void initItems()
{
    for (const auto& row : kRows) {
        xt::calls::SetControlState1562(row.switchItem, 2);
        xt::calls::SetControlState1562(row.fineItem, 2);
        makeNumericField(row.incrementItem, row.unit, 0, 1000 * xt::kFixedOne);
    }
    xt::calls::SetControlState1562(kShowFittingBox, 2);
    xt::calls::DefineRadioGroup(kFitToBoxRadio, kFitToColumnRadio, 0);
    for (int32_t label : {15, 16, 26})
        xt::calls::SetItemValue1690(label, 2);
    xt::calls::ConfigureList1596(kCommandList, -1, 0x40000041, 0);
}

} // namespace

void FillTextFitPage()
{
    DrawingScope scope(pageWindows().textFit);
    if (!scope.active())
        return;
    auto& settings = currentSettings();
    for (const auto& row : kRows) {
        showNumber(row.incrementItem, settings.*row.increment);
        setChecked(row.switchItem, settings.*row.switchField != 0);
        setChecked(row.fineItem, settings.*row.fineField != 0);
        if (settings.*row.switchField == 0)
            enableRow(row, false);
    }
    setChecked(kShowFittingBox, settings.ShowFitting != 0);
    refuseCompanionAttributes(settings);
    turnOnRadio(settings.FitToBox ? kFitToBoxRadio : kFitToColumnRadio);
    const int32_t command = settings.FitCommand >= FitSelectionToBox && settings.FitCommand <= FitBoxToStory
        ? settings.FitCommand - 1
        : 0;
    loadListMenu(kCommandList, FitCommandMenu, command);
}

bool ReadTextFitPage()
{
    DrawingScope scope(pageWindows().textFit);
    if (!scope.active())
        return true;
    auto& settings = currentSettings();
    for (const auto& row : kRows) {
        settings.*row.switchField = checkedByte(row.switchItem, settings.*row.switchField);
        settings.*row.fineField = checkedByte(row.fineItem, settings.*row.fineField);
        settings.*row.increment = fieldNumber(row.incrementItem).value_or(settings.*row.increment);
    }
    settings.ShowFitting = checkedByte(kShowFittingBox, settings.ShowFitting);
    const int32_t on = radioOn(kFitToBoxRadio);
    if (on == kFitToBoxRadio || on == kFitToColumnRadio)
        settings.FitToBox = on == kFitToBoxRadio ? 1 : 0;
    return true;
}

} // namespace amplex::ui

namespace amplex {

int32_t TextFitPageProc(void* block)
{
    return ui::switchesPageProc(block, {21004, &ui::PageWindows::textFit, ui::initItems, ui::FillTextFitPage, ui::itemHit});
}

} // namespace amplex
