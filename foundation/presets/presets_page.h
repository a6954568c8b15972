// The Presets page of a plug-in's settings dialog: the preset list with its name field and the Replace,
// Delete, Save, Rename, Use Settings, Revert All and Make Default buttons, over the preset folder code.
// A plug-in describes what differs (its other pages, its own preset menus, buttons of its own) and
// hands the page's window events to PresetsPageEvent.
#pragma once

#include <cstdint>
#include <span>

#include "xtapi/types.h"
#include "xtapi/window_callback.h"

namespace foundation {

/// The page's items, the same in every plug-in that has one.
enum PresetsPageItem : int32_t {
    PresetListItem = 1,
    PresetNameField = 3,
    PresetReplaceButton = 4,
    PresetDeleteButton = 5,
    PresetSaveButton = 6,
    PresetRenameButton = 7,
    PresetUseSettingsButton = 8,
    PresetRevertAllButton = 9,
    PresetMakeDefaultButton = 10,
};

inline constexpr char kDefaultPresetName[] = "Default.prf";

/// What the buttons' enabling depends on.
struct PresetButtonFacts {
    int32_t selection = -1;    // the selected row, -1 for none
    bool named = false;        // the name field holds text
    bool backupValid = false;  // the backup copies for Revert All were made
};

/// A button a plug-in adds to the page.
struct PresetPageButton {
    int32_t item = 0;
    bool (*enabledWhen)(const PresetButtonFacts& facts) = nullptr;
    void (*hit)(int32_t selection) = nullptr;
};

/// Where the list's selection goes after a preset was deleted.
enum class AfterPresetDelete : uint8_t {
    NoSelection,  // nothing selected and the name field emptied
    SamePlace,    // the row that took the deleted one's place, or the last row
};

struct PresetsPage {
    /// The page's window, kept from its created event.
    xt::WindowRef& (*window)() = nullptr;
    /// The dialog's other pages into the working record, before it is written to a file.
    void (*readPages)() = nullptr;
    /// The dialog's other pages from the working record, after a preset was used.
    void (*fillPages)() = nullptr;
    /// Optional: the plug-in's own copy of what the presets hold is read again (at creation and after
    /// each change of the list).
    void (*reloadPresets)() = nullptr;
    /// Optional: the plug-in's other preset menus are filled again (after each change of the list, a
    /// refused save and Revert All).
    void (*refreshPresetMenus)() = nullptr;
    AfterPresetDelete afterDelete = AfterPresetDelete::NoSelection;
    std::span<const PresetPageButton> extraButtons{};
    /// Optional: told when the host failed a call the page made about its items.
    void (*noteHostFailure)() = nullptr;
    /// The events the page does not answer itself (the dialog's resource question, Cancel, OK).
    void (*otherEvent)(xt::WindowCallbackRecord& record) = nullptr;
};

/// The page's window callback: answers `block` as the page described by `page`. Always 0.
int32_t PresetsPageEvent(const PresetsPage& page, void* block);

} // namespace foundation
