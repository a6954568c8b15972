// The Presets page (21003): the preset list with its name field and the Replace, Delete, Save,
// Rename, Use Settings, Revert All, Make Default and "Add to 'Fit to' list" buttons.
#include <cstring>
#include <string>

#include "amplex/settings/settings.h"
#include "amplex/startup/handlers.h"
#include "amplex/ui/dialog_items.h"
#include "amplex/ui/dialog_state.h"
#include "amplex/ui/options_page.h"
#include "amplex/ui/page_events.h"
#include "amplex/ui/preset_table.h"
#include "amplex/ui/scale_page.h"
#include "foundation/binding/binding.h"
#include "foundation/memory/handle_array.h"
#include "foundation/presets/preset_entry.h"
#include "foundation/presets/presets.h"
#include "win32/windows.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace amplex::ui {
namespace {

enum PresetsItem : int32_t {
    PresetList = 1,
    NameField = 3,
    ReplaceButton = 4,
    DeleteButton = 5,
    SaveButton = 6,
    RenameButton = 7,
    UseSettingsButton = 8,
    RevertAllButton = 9,
    MakeDefaultButton = 10,
    AddToFitToButton = 11,
};

constexpr char kDefaultPresetName[] = "Default.prf";

xt::WindowRef& presetsWindow()
{
    return pageWindows().presets;
}

void refillList(int32_t selection)
{
    foundation::FillPresetList(presetsWindow(), PresetList, selection);
}

void updatePresetButtons()
{
    const int32_t selection = listSelection(PresetList);
    const bool selected = selection != -1;
    const bool named = !fieldText(NameField).empty();
    setEnabled(ReplaceButton, selected);
    setEnabled(DeleteButton, selected);
    setEnabled(UseSettingsButton, selected);
    setEnabled(SaveButton, named);
    setEnabled(RenameButton, selected && named);
    setEnabled(RevertAllButton, foundation::presetBackupValid());
    setEnabled(AddToFitToButton, selected && named && IsSizePreset(selection));
}

/// The pages' values go into the record before it is written to a file.
void readPagesBack()
{
    ReadScalePage();
    ReadOptionsPage();
}

/// The typed name, cut to what the name buffer holds.
std::string typedName()
{
    std::string name = fieldText(NameField);
    if (name.size() >= foundation::kPresetNameSize)
        name.resize(foundation::kPresetNameSize - 1);
    return name;
}

void afterListChange(int32_t selection)
{
    ReloadAllPresets();
    FillPresetPopup();
    refillList(selection);
    updatePresetButtons();
}

void save()
{
    readPagesBack();
    char name[foundation::kPresetNameSize] = {};
    const std::string typed = typedName();
    std::memcpy(name, typed.data(), typed.size());
    int16_t index = -1;
    if (!foundation::SavePresetAs(currentSettings(), name, sizeof name, &index)) {
        FillPresetPopup();
        return;
    }
    afterListChange(index);
}

void rename()
{
    int16_t index = -1;
    if (!foundation::RenamePreset(presetsWindow(), PresetList, typedName().c_str(), &index))
        return;
    afterListChange(index);
}

void remove()
{
    int16_t index = -1;
    if (!foundation::DeletePreset(presetsWindow(), PresetList, &index)) {
        MessageBeep(0);
        return;
    }
    setFieldString(NameField, "");
    afterListChange(-1);
}

void makeDefault()
{
    readPagesBack();
    foundation::PresetEntry key{};
    std::memcpy(key.name, kDefaultPresetName, sizeof kDefaultPresetName);
    uint16_t found = 0;
    const xt::Handle list = foundation::presetList();
    if (list && foundation::HandleArraySearch(list, &key, &foundation::ComparePresetNames, &found)) {
        selectListRow(PresetList, found);
        updatePresetButtons();
        foundation::SaveSelectedPreset(currentSettings(), presetsWindow(), PresetList);
        return;
    }
    char name[foundation::kPresetNameSize] = {};
    std::memcpy(name, kDefaultPresetName, sizeof kDefaultPresetName);
    int16_t index = -1;
    if (!foundation::SavePresetAs(currentSettings(), name, sizeof name, &index))
        return;
    setFieldString(NameField, kDefaultPresetName);
    afterListChange(index);
}

void useSettings()
{
    const int32_t selection = listSelection(PresetList);
    if (selection < 0)
        return;
    foundation::LoadPresetAt(0, 0, selection);
    FillScalePage();
    FillOptionsPage();
}

void buttonHit(int32_t item)
{
    switch (item) {
    case ReplaceButton:
        readPagesBack();
        if (!foundation::SaveSelectedPreset(currentSettings(), presetsWindow(), PresetList))
            MessageBeep(0);
        break;
    case DeleteButton: remove(); break;
    case SaveButton: save(); break;
    case RenameButton: rename(); break;
    case UseSettingsButton: useSettings(); break;
    case RevertAllButton:
        RevertAllPresets();
        refillList(0);
        break;
    case MakeDefaultButton: makeDefault(); break;
    case AddToFitToButton:
        if (listSelection(PresetList) >= 0)
            SetPresetFitToKind(listSelection(PresetList));
        // The palette offers the preset at once, not only after its next refill.
        FillPresetPopup();
        FillScalePage();
        break;
    default: break;
    }
}

/// The preset the list shows selected; null without one, or when the list and the rows disagree.
const foundation::PresetEntry* selectedEntry()
{
    const int32_t selection = listSelection(PresetList);
    const xt::Handle list = foundation::presetList();
    if (!list || selection < 0 || selection >= foundation::HandleArrayCount(list))
        return nullptr;
    return static_cast<const foundation::PresetEntry*>(
        foundation::HandleArrayElement(list, static_cast<uint16_t>(selection)));
}

void itemHit(int32_t item)
{
    if (item == PresetList) {
        const auto* entry = selectedEntry();
        setFieldString(NameField, entry ? entry->name : "");
    } else {
        buttonHit(item);
    }
    updatePresetButtons();
}

void showList()
{
    refillList(-1);
    setFieldString(NameField, "");
    updatePresetButtons();
}

} // namespace
} // namespace amplex::ui

namespace amplex {

int32_t PresetsPageProc(void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    record.handled = 1;
    switch (record.event) {
    case xt::CreatedEvent:
        ui::presetsWindow() = xt::calls::GetCallbackWindow();
        foundation::InitPresetFolders(true);
        ui::ReloadAllPresets();
        break;
    case xt::InitItemsEvent: break;
    case xt::WindowOpened:
    case xt::TabEvent22: ui::showList(); break;
    case xt::ItemHit: ui::itemHit(record.item); break;
    default: ui::answerCommonPageEvent(record, 21003);
    }
    return 0;
}

} // namespace amplex
