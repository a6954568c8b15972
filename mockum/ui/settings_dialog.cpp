// The settings dialog's callback: items set up from the working copy, read back on every item hit and at OK.
#include "mockum/ui/settings_dialog.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "foundation/binding/binding.h"
#include "foundation/dialog/dialog_skeleton.h"
#include "foundation/dialog/item_pictures.h"
#include "foundation/text/text_helpers.h"
#include "mockum/resources/dialog_resources.h"
#include "mockum/resources/mockum_id.h"
#include "mockum/resources/resources.h"
#include "mockum/startup/handlers.h"
#include "mockum/ui/settings_fields.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace mockum {
namespace {

namespace dialog = foundation::dialog;


/// The field unit the host knows for page numbers and sizes typed as whole or decimal numbers.
constexpr int32_t kNumberFieldUnit = 1000;

struct DialogState {
    GreekSettings working;
    bool ok = false;
    int32_t picture = 0;
};

DialogState g_state;

constexpr std::array<int32_t, 3> kScopeRadios = {SelectionRadio, EntireItemRadio, PageRangeRadio};

void setUpItems()
{
    for (const int32_t field : {FromField, ToField, ThresholdField})
        xt::calls::SetFieldNumber(field, 0, 1, kNumberFieldUnit, 0, 0, 0);
    g_state.picture = dialog::loadItemPicture(BannerPicture, kBannerBitmap);
    if (g_state.working.selectionScopesOffered) {
        xt::calls::DefineRadioGroup(SelectionRadio, PageRangeRadio, 0);
    } else {
        xt::calls::DefineRadioGroup(SelectionRadio, EntireItemRadio, 0);
        xt::calls::DefineRadioGroup(PageRangeRadio, PageRangeRadio, 0);
    }
    xt::calls::DefineRadioGroup(GreekBelowRadio, GreekAnyRadio, 0);
}

void showItems()
{
    GreekSettings& working = g_state.working;
    if (!working.selectionScopesOffered)
        working.scope = GreekScope::PageRange;
    dialog::showItemPicture(BannerPicture, g_state.picture);
    xt::calls::SetFieldText(FromField, 0, working.fromPage * xt::kFixedOne);
    xt::calls::SetFieldText(ToField, 0, working.toPage * xt::kFixedOne);
    xt::calls::SetFieldText(ThresholdField, 0, working.sizeThreshold);
    const int32_t mode = working.selectionScopesOffered ? xt::kItemModeEnable : xt::kItemModeDisable;
    xt::calls::SetDialogItemMode(SelectionRadio, mode);
    xt::calls::SetDialogItemMode(EntireItemRadio, mode);
    xt::calls::DialogItemOp1568(kScopeRadios[static_cast<size_t>(working.scope)]);
    xt::calls::DialogItemOp1568(working.greekAny ? GreekAnyRadio : GreekBelowRadio);
}

/// Every item hit takes what the fields hold; a text that is no value keeps the field's last value
/// until OK asks for it.
void readFields()
{
    GreekSettings& working = g_state.working;
    working.fromPage = readPageField(FromField).value.value_or(working.fromPage);
    working.toPage = readPageField(ToField).value.value_or(working.toPage);
    working.sizeThreshold = readThresholdField(ThresholdField).value.value_or(working.sizeThreshold);
}

/// "From: "x" is no page number. Type ...", or "From: the field is empty. Type ..."
std::string refusal(const char* field, const std::string& typed, const char* what, const std::string& hint)
{
    const std::string why = typed.empty() ? std::string("the field is empty") : "\"" + typed + "\" is " + what;
    return std::string(field) + ": " + why + ". " + hint;
}

/// Why the fields cannot be taken as they stand, naming the first that is wrong; nullopt when they can.
std::optional<std::string> fieldProblem()
{
    const std::string max = std::to_string(kFieldMaximum);
    const std::string pageHint = "Type a whole number from 1 to " + max + ".";
    const FieldValue<int32_t> from = readPageField(FromField);
    if (!from.value)
        return refusal("From", from.typed, "no page number", pageHint);
    const FieldValue<int32_t> to = readPageField(ToField);
    if (!to.value)
        return refusal("To", to.typed, "no page number", pageHint);
    const FieldValue<xt::Fixed> threshold = readThresholdField(ThresholdField);
    if (!threshold.value)
        return refusal("Greek text below", threshold.typed, "no size",
            "Type a number of points above 0 and up to " + max + ".");
    if (g_state.working.scope == GreekScope::PageRange && *from.value > *to.value)
        return "The page range runs backwards: From " + std::to_string(*from.value) + " comes after To "
            + std::to_string(*to.value) + ".";
    return std::nullopt;
}

/// OK: the fields are taken when each holds a value; otherwise the user hears which is wrong and the
/// dialog stays open.
dialog::OkAnswer accept()
{
    if (const std::optional<std::string> problem = fieldProblem()) {
        foundation::WarningBox(problem->c_str());
        return dialog::OkAnswer::KeepOpen;
    }
    readFields();
    g_state.ok = true;
    return dialog::OkAnswer::Close;
}

/// What each radio chooses; the dialog turns the radio on itself.
constexpr dialog::ItemAction kRadioChoices[] = {
    {SelectionRadio, [](int32_t) { g_state.working.scope = GreekScope::Selection; }},
    {EntireItemRadio, [](int32_t) { g_state.working.scope = GreekScope::EntireItem; }},
    {PageRangeRadio, [](int32_t) { g_state.working.scope = GreekScope::PageRange; }},
    {GreekBelowRadio, [](int32_t) { g_state.working.greekAny = false; }},
    {GreekAnyRadio, [](int32_t) { g_state.working.greekAny = true; }},
};

/// Every item hit takes the fields first; a radio pressed then chooses.
bool itemHit(const xt::WindowCallbackRecord& record)
{
    readFields();
    if (!dialog::isPress(record) || !dialog::runItemAction(kRadioChoices, record.item))
        return false;
    xt::calls::DialogItemOp1568(record.item);
    return true;
}

constexpr int32_t kQuietEvents[] = {xt::DrawEvent14, xt::DrawEvent24};

constexpr dialog::DialogHandlers kSettingsDialog{
    .resourceId = kSettingsDialogResource,
    .created = [] { xt::calls::GetCallbackWindow(); },
    .initItems = setUpItems,
    .opened = showItems,
    .itemHit = itemHit,
    .ok = accept,
    .cancel = [] { g_state.ok = false; },
    .closing = [] { dialog::disposePicture(g_state.picture); },
    .quietEvents = kQuietEvents,
};

} // namespace

int32_t GreekSettingsProc(void* data)
{
    return foundation::dialog::dispatchDialogEvent(kSettingsDialog, data);
}

bool runSettingsDialog(GreekSettings& settings, int32_t pageCount)
{
    g_state = DialogState{settings, false, 0};
    g_state.working.toPage = std::max(pageCount, 1);
    if (!foundation::dialog::runModalDialog(kSettingsDialogWindow) || !g_state.ok)
        return false;
    GreekSettings chosen = g_state.working;
    chosen.fromPage = pageWithin(chosen.fromPage, pageCount);
    chosen.toPage = pageWithin(chosen.toPage, pageCount);
    settings = chosen;
    return true;
}

} // namespace mockum
