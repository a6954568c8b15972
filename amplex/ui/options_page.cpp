// The Options page: one check box per scale switch, the keep-proportional column and the font rounding.
#include "amplex/ui/options_page.h"
#include "amplex/ui/page_events.h"

#include <cstddef>
#include <cstdint>

#include "amplex/settings/settings.h"
#include "amplex/startup/handlers.h"
#include "amplex/ui/dialog_items.h"
#include "amplex/ui/dialog_state.h"
#include "amplex/ui/scale_page.h"
#include "foundation/binding/binding.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace amplex::ui {
namespace {

struct SwitchBox {
    int32_t item;
    uint8_t ScaleSettings::*field;
};

/// The page's check boxes in the order the page reads them.
constexpr SwitchBox kSwitches[] = {
    {19, &ScaleSettings::RoundFonts},
    {20, &ScaleSettings::SizeWarnings},
    {4, &ScaleSettings::ScaleText},
    {5, &ScaleSettings::ScaleLeading},
    {6, &ScaleSettings::ScaleTabs},
    {7, &ScaleSettings::ScaleGutters},
    {8, &ScaleSettings::ScaleAnchoredBoxes},
    {9, &ScaleSettings::ScaleRunaround},
    {10, &ScaleSettings::ScaleLines},
    {11, &ScaleSettings::ScaleLineWeights},
    {12, &ScaleSettings::ScalePictureBoxes},
    {13, &ScaleSettings::ScaleGraphics},
    {14, &ScaleSettings::ScaleBezierShapes},
    {16, &ScaleSettings::ScaleStyleSheets},
    {17, &ScaleSettings::ScaleGuides},
    {18, &ScaleSettings::ScaleDocumentSize},
    {15, &ScaleSettings::ScaleDropShadows},
    {21, &ScaleSettings::KeepTextBoxesProportional},
    {28, &ScaleSettings::KeepAllProportional},
    {22, &ScaleSettings::KeepTextProportional},
    {23, &ScaleSettings::KeepAnchoredProportional},
    {24, &ScaleSettings::KeepLinesProportional},
    {25, &ScaleSettings::KeepPictureBoxesProportional},
    {26, &ScaleSettings::KeepGraphicsProportional},
    {27, &ScaleSettings::KeepBezierProportional},
};

/// The keep column below "All": items 21 to 27.
constexpr size_t kFirstKeepRow = 17;
constexpr int32_t kRoundFontsBox = 19;
constexpr int32_t kAllBox = 28;
constexpr int32_t kTextBoxesLabel = 3;
constexpr int32_t kRoundStepField = 29;

void applyScopeRule(int16_t scaleWhat)
{
    setEnabled(16, scaleWhat != ScaleSelectionOnly);
    setEnabled(17, scaleWhat == ScaleDocument);
    setEnabled(18, scaleWhat == ScaleDocument);
}

void applyKeepRule(const ScaleSettings& settings)
{
    if (settings.FitToChoice != 0)
        return;
    const bool enabled = settings.Constrain == 0;
    for (size_t i = kFirstKeepRow; i < std::size(kSwitches); ++i)
        setEnabled(kSwitches[i].item, enabled);
    setEnabled(kTextBoxesLabel, enabled);
}

void setAllKeep(bool on)
{
    auto& settings = currentSettings();
    for (size_t i = kFirstKeepRow; i < std::size(kSwitches); ++i) {
        settings.*kSwitches[i].field = on ? 1 : 0;
        setChecked(kSwitches[i].item, on);
    }
}

void itemHit(xt::WindowCallbackRecord& record)
{
    const int32_t item = record.item;
    if (item == kRoundFontsBox) {
        currentSettings().RoundFonts = isChecked(item) ? 1 : 0;
        setEnabled(kRoundStepField, currentSettings().RoundFonts != 0);
    } else if (item == kAllBox) {
        setAllKeep(isChecked(kAllBox));
        record.handled = 0;
    } else if (item >= 21 && item <= 27) {
        if (!isChecked(item)) {
            currentSettings().KeepAllProportional = 0;
            setChecked(kAllBox, false);
        }
        record.handled = 0;
    } else {
        record.handled = 0;
    }
    ReadOptionsPage();
}

void initItems()
{
    for (const auto& box : kSwitches)
        xt::calls::SetControlState1562(box.item, 2);
    xt::calls::SetItemValue1690(kTextBoxesLabel, 2);
    makeNumericField(kRoundStepField, xt::UnitTextSize, 0, 2 * xt::kFixedOne, 1);
}

} // namespace

void FillOptionsPage()
{
    DrawingScope scope(pageWindows().options);
    if (!scope.active())
        return;
    const auto& settings = currentSettings();
    for (const auto& box : kSwitches)
        setChecked(box.item, settings.*box.field != 0);
    applyScopeRule(settings.ScaleWhat);
    applyKeepRule(settings);
    showNumber(kRoundStepField, settings.RoundFontsStep);
    setEnabled(kRoundStepField, settings.RoundFonts != 0);
}

bool ReadOptionsPage()
{
    DrawingScope scope(pageWindows().options);
    if (!scope.active())
        return true;
    auto& settings = currentSettings();
    for (const auto& box : kSwitches)
        settings.*box.field = checkedByte(box.item, settings.*box.field);
    // A step the field cannot read keeps the one the record holds.
    settings.RoundFontsStep = fieldNumber(kRoundStepField).value_or(settings.RoundFontsStep);
    return true;
}

} // namespace amplex::ui

namespace amplex {

int32_t OptionsPageProc(void* block)
{
    return ui::switchesPageProc(block, {21002, &ui::PageWindows::options, ui::initItems, ui::FillOptionsPage, ui::itemHit});
}

} // namespace amplex
