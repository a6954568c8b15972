// The clone dialog's callback: items from the working settings, the enabling that follows the source,
// and the values read back at OK.
#include "twinnel/ui/clone_dialog.h"

#include <algorithm>

#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"
#include "twinnel/engine/common/layouts.h"
#include "twinnel/resources/dialog_resources.h"
#include "twinnel/resources/twinnel_id.h"
#include "twinnel/ui/destination_popup.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace twinnel {
namespace {

constexpr int32_t kPictureStyle = 0x44;
constexpr int32_t kBitmapFromModule = 0x30000000;
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
    xt::calls::SetItemStyle(BannerPicture, kPictureStyle, 0, 0);
    g_state.picture = xt::calls::NewPictureObject();
    if (g_state.picture > 0)
        xt::calls::LoadBitmapResource(g_state.picture, kBitmapFromModule, 2, kBannerBitmap, 0);
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
    if (g_state.picture > 0)
        xt::calls::SetItemPicture(BannerPicture, g_state.picture);
    WriteCloneDialog();
}

/// An item hit the dialog answers itself: the source radios switch the enabling.
bool takeHit(int32_t item)
{
    if (item == SelectionRadio || item == PagesRadio) {
        g_state.working.source = item == SelectionRadio ? CloneSource::Selection : CloneSource::Pages;
        xt::calls::DialogItemOp1568(item);
        enableForSource(g_state.working.source);
        return true;
    }
    return false;
}

void closing()
{
    if (g_state.picture > 0)
        xt::calls::DisposePictureObject(g_state.picture);
    g_state.picture = 0;
}

} // namespace

int32_t CloneDialogCallback(void* data)
{
    auto* record = static_cast<xt::WindowCallbackRecord*>(data);
    record->handled = 1;
    switch (record->event) {
    case xt::WhichResourceEvent:
        static_cast<xt::WhichResourceBlock*>(record->argument.answer)->resourceId = kCloneDialogResource;
        break;
    case xt::CreatedEvent:
        xt::calls::GetCallbackWindow();
        g_state.ok = false;
        break;
    case xt::InitItemsEvent:
        setUpItems();
        break;
    case xt::WindowOpened:
        opened();
        break;
    case xt::ItemHit:
        if (record->argument.pair.value != xt::ItemPressed || !takeHit(record->item))
            record->handled = 0;
        break;
    case xt::OkEvent:
        ReadCloneDialog();
        g_state.ok = true;
        break;
    case xt::CancelEvent:
        g_state.ok = false;
        break;
    case xt::ClosingEvent:
        closing();
        break;
    default:
        record->handled = 0;
        break;
    }
    return 0;
}

bool runCloneDialog(CloneSettings& settings, int16_t current, bool boxSelected)
{
    g_state = DialogState{settings, current, boxSelected, false, 0};
    int32_t result = 0;
    if (xt::calls::OpenDialog(foundation::windowId(kCloneDialogWindow), 0, &result) != 0 || !g_state.ok)
        return false;
    settings = g_state.working;
    return true;
}

} // namespace twinnel
