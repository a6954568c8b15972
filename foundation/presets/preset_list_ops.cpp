// The Presets page's operations on the preset list: fill the control, save, rename, delete, replace, use.
#include <algorithm>
#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/memory/handle_array.h"
#include "foundation/presets/preset_names.h"
#include "foundation/presets/preset_state.h"
#include "foundation/presets/presets.h"

namespace foundation {

namespace {

using detail::presetState;

constexpr int32_t kAfterLastRow = -3;
constexpr int32_t kRedrawOff = 0;
constexpr int32_t kRedrawOn = 1;

PresetEntry keyFor(const std::string& fileName)
{
    PresetEntry key{};
    std::strncpy(key.name, fileName.c_str(), kPresetNameSize - 1);
    return key;
}

/// The index of the entry named `fileName` after sorting the list, or -1.
int16_t sortAndFind(const std::string& fileName)
{
    xt::Handle list = presetState().list();
    HandleArraySort(list, &ComparePresetNames);
    const PresetEntry key = keyFor(fileName);
    uint16_t index = 0;
    if (!HandleArraySearch(list, &key, &ComparePresetNames, &index))
        return kPresetIndexNone;
    return static_cast<int16_t>(index);
}

/// The selected row of list control `item` in the window being drawn, or -1 when none lies in the list.
int32_t selectedRow(int32_t item)
{
    int32_t selection = -1;
    if (xt::calls::GetListSelection(item, &selection) != 0)
        return -1;
    if (selection < 0 || selection >= HandleArrayCount(presetState().list()))
        return -1;
    return selection;
}

void emptyControl(int32_t item)
{
    int32_t rows = 0;
    xt::calls::GetListCount(item, &rows);
    for (int32_t i = 0; i < rows; ++i)
        xt::calls::DeleteListItem(item, 0);
}

void addRows(int32_t item, xt::Handle list)
{
    // The host allocates for each text object, so the list stays locked while rows point into it.
    const uint8_t state = xt::calls::GetHandleState(list);
    xt::calls::LockHandle(list);
    for (uint16_t i = 0; i < HandleArrayCount(list); ++i) {
        const auto* entry = static_cast<const PresetEntry*>(HandleArrayElement(list, i));
        int32_t row = 0;
        xt::calls::InsertListItem(item, kAfterLastRow, &row);
        xt::TextObject text = xt::calls::NewTextObject(entry->name, 0, static_cast<int32_t>(strnlen(entry->name, kPresetNameSize)));
        if (!text)
            continue;
        xt::calls::SetListEntryText(item, row, text);
        xt::calls::DisposeTextObject(text);
    }
    xt::calls::SetHandleState(list, state);
}

bool renameSelected(int32_t item, const std::string& fileName, int16_t* newIndex)
{
    xt::Handle list = presetState().list();
    const int32_t selection = selectedRow(item);
    if (selection < 0)
        return false;
    const PresetEntry key = keyFor(fileName);
    uint16_t found = 0;
    if (HandleArraySearch(list, &key, &ComparePresetNames, &found) && found != selection)
        return false;
    const std::string oldPath = presetState().presetPath(*detail::entryName(list, selection));
    if (xt::calls::ToolboxOp2012(0, 0, oldPath.c_str(), fileName.c_str()) != 0)
        return false;
    auto* entry = static_cast<PresetEntry*>(HandleArrayElement(list, static_cast<uint16_t>(selection)));
    std::memcpy(entry->name, key.name, kPresetNameSize);
    const int16_t index = sortAndFind(fileName);
    if (newIndex)
        *newIndex = index;
    return true;
}

bool refuseSave()
{
    presetState().notify(presetState().config().settings.afterDeleteOrRefusedSave);
    return false;
}

void giveBackName(const std::string& fileName, char* name, size_t capacity)
{
    const size_t length = std::min(fileName.size(), capacity - 1);
    std::memcpy(name, fileName.data(), length);
    name[length] = '\0';
}

} // namespace

void FillPresetList(xt::WindowRef window, int32_t item, int32_t selection)
{
    xt::Handle list = presetState().list();
    if (!list || xt::calls::BeginWindowDrawing(window) != 0)
        return;
    xt::calls::ListOp1600(item, kRedrawOff);
    emptyControl(item);
    addRows(item, list);
    if (selection >= 0 && selection < HandleArrayCount(list))
        xt::calls::SetListSelection(item, selection);
    xt::calls::ListOp1600(item, kRedrawOn);
    xt::calls::EndWindowDrawing();
}

namespace detail {

bool savePresetAs(const void* record, size_t size, char* name, size_t capacity, int16_t* newIndex)
{
    auto& state = presetState();
    const PresetSettings& settings = state.config().settings;
    if (!state.list() || !name || capacity == 0 || !settings.create || size != settings.recordSize)
        return refuseSave();
    const std::optional<std::string> fileName = presetFileName(std::string_view(name, strnlen(name, capacity)));
    if (!fileName)
        return refuseSave();
    giveBackName(*fileName, name, capacity);
    PresetEntry key = keyFor(*fileName);
    uint16_t existing = 0;
    if (HandleArraySearch(state.list(), &key, &ComparePresetNames, &existing)) {
        if (newIndex)
            *newIndex = kPresetIndexNone;
        return refuseSave();
    }
    const std::string path = state.presetPath(*fileName);
    if (settings.create(settings.file, record, path.c_str()) != 0)
        return refuseSave();
    // A file the list cannot hold would be a preset nobody sees: take it away again.
    if (HandleArrayAppend(state.list(), &key) == kHandleArrayNoIndex) {
        xt::calls::DeleteFile(0, 0, path.c_str());
        return refuseSave();
    }
    const int16_t index = sortAndFind(*fileName);
    if (newIndex)
        *newIndex = index;
    state.notify(settings.afterSaveOrRename);
    return true;
}

} // namespace detail

bool RenamePreset(xt::WindowRef window, int32_t item, const char* newName, int16_t* newIndex)
{
    auto& state = presetState();
    if (!state.list() || !newName)
        return false;
    const std::optional<std::string> fileName = presetFileName(newName);
    if (!fileName || xt::calls::BeginWindowDrawing(window) != 0)
        return false;
    const bool renamed = renameSelected(item, *fileName, newIndex);
    xt::calls::EndWindowDrawing();
    if (renamed)
        state.notify(state.config().settings.afterSaveOrRename);
    return renamed;
}

bool DeletePreset(xt::WindowRef window, int32_t item, int16_t* index)
{
    auto& state = presetState();
    if (!state.list() || xt::calls::BeginWindowDrawing(window) != 0)
        return false;
    const int32_t selection = selectedRow(item);
    if (index)
        *index = static_cast<int16_t>(selection);
    bool deleted = false;
    if (selection >= 0) {
        const std::string path = state.presetPath(*detail::entryName(state.list(), selection));
        deleted = xt::calls::DeleteFile(0, 0, path.c_str()) == 0
            && HandleArrayDelete(state.list(), static_cast<uint16_t>(selection)) == 1;
    }
    xt::calls::EndWindowDrawing();
    if (deleted)
        state.notify(state.config().settings.afterDeleteOrRefusedSave);
    return deleted;
}

const void* detail::workingRecord(size_t* size)
{
    const PresetSettings& settings = presetState().config().settings;
    *size = settings.recordSize;
    return settings.working ? settings.working(settings.file) : nullptr;
}

bool detail::saveSelectedPreset(const void* record, size_t size, xt::WindowRef window, int32_t item)
{
    auto& state = presetState();
    const PresetSettings& settings = state.config().settings;
    if (!state.list() || !settings.write || size != settings.recordSize || xt::calls::BeginWindowDrawing(window) != 0)
        return false;
    const int32_t selection = selectedRow(item);
    bool written = false;
    if (selection >= 0) {
        const std::string path = state.presetPath(*detail::entryName(state.list(), selection));
        written = settings.write(settings.file, record, path.c_str()) == 0;
    }
    xt::calls::EndWindowDrawing();
    return written;
}

int16_t LoadPresetAt(xt::WindowRef, int32_t, int32_t index)
{
    auto& state = presetState();
    const std::optional<std::string> name = detail::entryName(state.list(), index);
    if (!name || !state.config().settings.read)
        return kPresetMissing;
    return state.config().settings.read(state.config().settings.file, state.presetPath(*name).c_str());
}

} // namespace foundation
