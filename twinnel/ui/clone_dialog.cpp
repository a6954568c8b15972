// The clone dialog's callback: items from the working settings, the enabling that follows the source,
// and the values read back at OK.
#include "twinnel/ui/clone_dialog.h"

#include <algorithm>

#include "foundation/binding/binding.h"
#include "foundation/dialog/dialog_skeleton.h"
#include "foundation/dialog/item_pictures.h"
#include "twinnel/engine/common/layouts.h"
#include "twinnel/resources/dialog_resources.h"
#include "twinnel/resources/twinnel_id.h"
#include "twinnel/ui/destination_popup.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace twinnel {
namespace {

namespace dialog = foundation::dialog;


/// The popup row of "Split Layouts to Projects" (from 0): the one destination a box cannot go to.
constexpr int32_t kSplitLayoutsRow = 5;

struct DialogState {
    CloneSettings working;
    int16_t current = -1;
    bool boxSelected = false;
    bool ok = false;
    int32_t picture = 0;
};

DialogState g_state;

void setMode(int32_t item, bool enabled)
{
    xt::calls::SetDialogItemMode(item, enabled ? xt::kItemModeEnable : xt::kItemModeDisable);
}

void setCheck(int32_t item, bool on)
{
    xt::calls::SetControlValue(item, on ? 1 : 0);
}

bool isChecked(int32_t item)
{
    int16_t value = 0;
    return xt::calls::GetControlValue(item, &value) == 0 && value != 0;
}

/// The items that follow the source: the page list and its options for Pages, copies for Selection.
void enableForSource(CloneSource source)
{
    const bool pages = source == CloneSource::Pages;
    for (const int32_t item : {PageTextField, KeepContiguousRadio, MultipleSectionsRadio, SectionNumberRadio,
                               SequenceNumberRadio, MakeSectionsCheck})
        setMode(item, pages);
    setMode(CopiesLabel, !pages);
    setMode(CopiesField, !pages);
    xt::calls::ListOp1621(DestinationPopup, kSplitLayoutsRow, pages ? 1 : 0);
}

void setUpItems()
{
    xt::calls::DefineRadioGroup(SelectionRadio, PagesRadio, 0);
    xt::calls::DefineRadioGroup(KeepContiguousRadio, MultipleSectionsRadio, 0);
    xt::calls::DefineRadioGroup(SectionNumberRadio, SequenceNumberRadio, 0);
    for (const int32_t field : {ToPageField, CopiesField})
        xt::calls::SetFieldNumber(field, 0, 1, xt::UnitWholeNumber, kLeastCount * xt::kFixedOne, kMostCount * xt::kFixedOne, 0);
    g_state.picture = dialog::loadItemPicture(BannerPicture, kBannerBitmap);
    setMode(SelectionRadio, g_state.boxSelected);
    g_state.working.source = g_state.boxSelected ? CloneSource::Selection : CloneSource::Pages;
}

void WriteCloneDialog()
{
    const CloneSettings& working = g_state.working;
    xt::TextObject text = newText(working.pageText);
    xt::calls::SetFieldText(PageTextField, text, 0);
    if (text)
        xt::calls::DisposeTextObject(text);
    xt::calls::SetFieldText(CopiesField, nullptr, working.copies * xt::kFixedOne);
    xt::calls::SetFieldText(ToPageField, nullptr, working.toPage * xt::kFixedOne);
    xt::calls::DialogItemOp1568(working.source == CloneSource::Selection ? SelectionRadio : PagesRadio);
    enableForSource(working.source);
    setCheck(MakeSectionsCheck, working.makeSections);
    setCheck(CopyStyleSheetsCheck, working.copyStyleSheets);
    xt::calls::SetListSelection(DestinationPopup, working.destination - 1);
    xt::calls::DialogItemOp1568(working.keepContiguous ? KeepContiguousRadio : MultipleSectionsRadio);
    xt::calls::DialogItemOp1568(working.bySectionNumber ? SectionNumberRadio : SequenceNumberRadio);
}

/// A count typed outside 1 to 1000, or no number at all, keeps the value the field started with.
int32_t readCount(int32_t item, int32_t previous)
{
    xt::Fixed value = 0;
    uint8_t ok = 0;
    if (xt::calls::GetFieldNumber(item, nullptr, &value, &ok) != 0 || ok == 0)
        return previous;
    return std::clamp(value / xt::kFixedOne, kLeastCount, kMostCount);
}

void ReadCloneDialog()
{
    CloneSettings& working = g_state.working;
    xt::TextObject text = nullptr;
    uint8_t ok = 0;
    if (xt::calls::GetFieldNumber(PageTextField, &text, nullptr, &ok) == 0 && text)
        working.pageText = keptPageText(takeText(text));
    working.copies = readCount(CopiesField, working.copies);
    working.toPage = readCount(ToPageField, working.toPage);
    working.source = isChecked(SelectionRadio) ? CloneSource::Selection : CloneSource::Pages;
    int32_t row = 0;
    if (xt::calls::GetListSelection(DestinationPopup, &row) == 0 && row >= 0)
        working.destination = row + 1;
    working.keepContiguous = isChecked(KeepContiguousRadio);
    working.bySectionNumber = isChecked(SectionNumberRadio);
    working.makeSections = isChecked(MakeSectionsCheck);
    working.copyStyleSheets = isChecked(CopyStyleSheetsCheck);
}

void opened()
{
    FillDestinationPopup(g_state.current);
    dialog::showItemPicture(BannerPicture, g_state.picture);
    WriteCloneDialog();
}

/// The source radios switch the enabling.
void chooseSource(int32_t radio)
{
    g_state.working.source = radio == SelectionRadio ? CloneSource::Selection : CloneSource::Pages;
    xt::calls::DialogItemOp1568(radio);
    enableForSource(g_state.working.source);
}

constexpr dialog::ItemAction kItemActions[] = {
    {SelectionRadio, chooseSource},
    {PagesRadio, chooseSource},
};

constexpr dialog::DialogHandlers kCloneDialog{
    .resourceId = kCloneDialogResource,
    .created = [] {
        xt::calls::GetCallbackWindow();
        g_state.ok = false;
    },
    .initItems = setUpItems,
    .opened = opened,
    .itemHit = [](const xt::WindowCallbackRecord& record) {
        return dialog::isPress(record) && dialog::runItemAction(kItemActions, record.item);
    },
    .ok = [] {
        ReadCloneDialog();
        g_state.ok = true;
        return dialog::OkAnswer::Close;
    },
    .cancel = [] { g_state.ok = false; },
    .closing = [] { dialog::disposePicture(g_state.picture); },
};

} // namespace

int32_t CloneDialogCallback(void* data)
{
    return foundation::dialog::dispatchDialogEvent(kCloneDialog, data);
}

bool runCloneDialog(CloneSettings& settings, int16_t current, bool boxSelected)
{
    g_state = DialogState{settings, current, boxSelected, false, 0};
    if (!foundation::dialog::runModalDialog(kCloneDialogWindow) || !g_state.ok)
        return false;
    settings = g_state.working;
    return true;
}

} // namespace twinnel
