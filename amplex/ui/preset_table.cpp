// FitToListTable: one kind per preset of the list, read from the files whenever the list changes.
#include "amplex/ui/preset_table.h"

#include <array>
#include <string>

#include "amplex/settings/palette_state.h"
#include "amplex/settings/settings.h"
#include "amplex/settings/settings_file.h"
#include "foundation/binding/binding.h"
#include "foundation/memory/handle_array.h"
#include "foundation/presets/preset_entry.h"
#include "foundation/presets/presets.h"

namespace amplex::ui {
namespace {

constexpr int32_t kPaletteList = 3;

struct PresetFacts {
    int16_t kind = FitToNotOffered;
    bool sizePreset = false;
};

struct FitToListTable {
    std::array<PresetFacts, kMaxFitToPresets> entries{};
    int16_t count = 0;
};

FitToListTable& table()
{
    static FitToListTable held;
    return held;
}

int32_t presetCount()
{
    const xt::Handle list = foundation::presetList();
    return list ? foundation::HandleArrayCount(list) : 0;
}

const foundation::PresetEntry* presetAt(int32_t index)
{
    if (index < 0 || index >= presetCount())
        return nullptr;
    return static_cast<const foundation::PresetEntry*>(
        foundation::HandleArrayElement(foundation::presetList(), static_cast<uint16_t>(index)));
}

std::string presetPath(const foundation::PresetEntry& entry)
{
    return foundation::presetFolderPath() + "\\" + entry.name;
}

/// Reads preset `index` into a cleared record; false when it could not be read in full.
bool readPreset(int32_t index, ScaleSettings& scratch)
{
    scratch = ScaleSettings{};
    const foundation::PresetEntry* entry = presetAt(index);
    return entry && settingsFile().read(&scratch, presetPath(*entry).c_str()) == 0;
}

} // namespace

void ReloadAllPresets()
{
    auto& held = table();
    const int32_t count = presetCount();
    held.count = static_cast<int16_t>(count < kMaxFitToPresets ? count : kMaxFitToPresets);
    for (int32_t i = 0; i < held.count; ++i) {
        ScaleSettings scratch;
        const bool read = readPreset(i, scratch);
        held.entries[static_cast<size_t>(i)] = read ? PresetFacts{scratch.FitToListKind, scratch.ScaleByPercent == 0}
                                                    : PresetFacts{};
    }
}

void SetPresetFitToKind(int32_t index)
{
    ScaleSettings scratch;
    if (!readPreset(index, scratch))
        return;
    if (scratch.ScaleByPercent != 0)
        scratch.FitToListKind = FitToNotOffered;
    else
        scratch.FitToListKind = scratch.ScaleWhat == ScaleSelectionOnly ? FitToSelections : FitToDocuments;
    const foundation::PresetEntry* entry = presetAt(index);
    if (settingsFile().create(&scratch, presetPath(*entry).c_str()) != 0)
        return;
    if (index < table().count)
        table().entries[static_cast<size_t>(index)].kind = scratch.FitToListKind;
}

bool IsSizePreset(int32_t index)
{
    return index >= 0 && index < table().count && table().entries[static_cast<size_t>(index)].sizePreset;
}

int16_t presetFitToKind(int32_t index)
{
    if (index < 0 || index >= table().count)
        return FitToNotOffered;
    return table().entries[static_cast<size_t>(index)].kind;
}

void FillPresetPopup()
{
    const xt::WindowRef palette = *paletteState().windowSlot();
    if (palette == 0 || xt::calls::BeginWindowDrawing(palette) != 0)
        return;
    if (!foundation::presetList()) {
        foundation::InitPresetFolders(true);
        ReloadAllPresets();
    }
    int32_t rows = 0;
    xt::calls::GetListCount(kPaletteList, &rows);
    for (int32_t i = 0; i < rows; ++i)
        xt::calls::DeleteListItem(kPaletteList, 0);
    auto append = [](const char* name, int32_t value) {
        int32_t row = -1;
        xt::calls::InsertListItem(kPaletteList, -3, &row);
        xt::TextObject text = xt::calls::NewTextObject(name, 0, static_cast<int32_t>(std::char_traits<char>::length(name)));
        xt::calls::SetListEntryText(kPaletteList, row, text);
        xt::calls::DisposeTextObject(text);
        xt::calls::SetListEntryValue(kPaletteList, row, value);
    };
    append("Current", kCurrentPresetChoice);
    // The table may be older than the list; pair a name with a kind only where both exist.
    const int32_t shown = table().count < presetCount() ? table().count : presetCount();
    for (int32_t i = 0; i < shown; ++i) {
        if (table().entries[static_cast<size_t>(i)].kind == FitToSelections)
            append(presetAt(i)->name, i);
    }
    xt::calls::SetListSelection(kPaletteList, 0);
    xt::calls::EndWindowDrawing();
}

} // namespace amplex::ui
