// The preset folder: where it lies, its scan, the backup copies made at start-up and their restore.
#include <cstring>
#include <utility>
#include <vector>

#include "foundation/binding/binding.h"
#include "foundation/memory/handle_array.h"
#include "foundation/plugin/skeleton.h"
#include "foundation/presets/preset_names.h"
#include "foundation/presets/preset_state.h"
#include "foundation/presets/presets.h"
#include "win32/windows.h"

namespace foundation {

namespace detail {

void PresetFolderState::setFolders(std::string folder, std::string backupFolder)
{
    m_folder = std::move(folder);
    m_backupFolder = std::move(backupFolder);
}

void PresetFolderState::setBackup(xt::Handle revertList)
{
    m_revertList = revertList;
    m_backupValid = revertList != nullptr;
}

void PresetFolderState::clearBackup()
{
    if (m_revertList)
        xt::calls::DisposeHandle(m_revertList);
    m_revertList = nullptr;
    m_backupValid = false;
}

PresetFolderState& presetState()
{
    static PresetFolderState state;
    return state;
}

std::optional<std::string> entryName(xt::Handle list, int32_t index)
{
    if (index < 0 || index >= HandleArrayCount(list))
        return std::nullopt;
    const auto* entry = static_cast<const PresetEntry*>(HandleArrayElement(list, static_cast<uint16_t>(index)));
    return std::string(entry->name, strnlen(entry->name, kPresetNameSize));
}

} // namespace detail

namespace {

using detail::presetState;

constexpr uint16_t kEntrySize = sizeof(PresetEntry);
constexpr int16_t kListBlockSize = kHandleArrayHeaderSize;
constexpr UINT kSystemDirectoryBufferSize = 512;
constexpr int kFolderNameBufferSize = 256;

/// The localised string at `id` moved by the language code, or the code-0 one when that does not exist.
std::string folderName(int32_t id)
{
    char buffer[kFolderNameBufferSize] = {};
    const int32_t localised = id + presetState().config().languageStride * languageCode();
    if (LoadStringA(moduleInstance(), static_cast<UINT>(localised), buffer, kFolderNameBufferSize) > 0)
        return buffer;
    if (LoadStringA(moduleInstance(), static_cast<UINT>(id), buffer, kFolderNameBufferSize) > 0)
        return buffer;
    return {};
}

/// False when a folder name is missing: the presets must never resolve to the system directory itself.
bool resolveFolders()
{
    char system[kSystemDirectoryBufferSize] = {};
    const UINT length = GetSystemDirectoryA(system, kSystemDirectoryBufferSize);
    if (length == 0 || length >= kSystemDirectoryBufferSize)
        return false;
    const std::string presets = folderName(presetState().config().folderNameId);
    const std::string backup = folderName(presetState().config().backupNameId);
    if (!isPlainFolderName(presets) || !isPlainFolderName(backup))
        return false;
    const std::string folder = std::string(system) + '\\' + presets;
    presetState().setFolders(folder, folder + '\\' + backup);
    return true;
}

std::vector<std::string> namesIn(xt::Handle list)
{
    std::vector<std::string> names;
    for (int32_t i = 0; i < HandleArrayCount(list); ++i)
        names.push_back(*detail::entryName(list, i));
    return names;
}

xt::Handle scannedList()
{
    xt::Handle list = HandleArrayNew(kEntrySize, kListBlockSize, 1);
    if (list)
        ScanPresetFolder(list);
    return list;
}

void zeroFolderIds(xt::Handle list)
{
    const uint8_t state = xt::calls::GetHandleState(list);
    xt::calls::LockHandle(list);
    for (uint16_t i = 0; i < HandleArrayCount(list); ++i) {
        auto* entry = static_cast<PresetEntry*>(HandleArrayElement(list, i));
        const int32_t zero = 0;
        std::memcpy(reinterpret_cast<char*>(entry) + offsetof(PresetEntry, folderId), &zero, sizeof zero);
    }
    xt::calls::SetHandleState(list, state);
}

void deleteBackupCopies(const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        xt::calls::DeleteFile(0, 0, presetState().backupPath(name).c_str());
}

/// Copies every preset into the backup folder; at the first failure every listed copy goes again.
void makeBackupCopies(xt::Handle list)
{
    const std::vector<std::string> names = namesIn(list);
    for (const std::string& name : names) {
        if (CopyFileA(presetState().presetPath(name).c_str(), presetState().backupPath(name).c_str(), TRUE))
            continue;
        deleteBackupCopies(names);
        return;
    }
    xt::Handle revert = HandleArrayCopy(list);
    if (!revert)
        return;
    zeroFolderIds(revert);
    presetState().setBackup(revert);
}

bool isDirectory(const WIN32_FIND_DATAA& found)
{
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void appendFound(xt::Handle list, const WIN32_FIND_DATAA& found)
{
    // A name that does not fit the entry's 256 bytes cannot be opened again through it.
    if (isDirectory(found) || strnlen(found.cFileName, sizeof found.cFileName) >= kPresetNameSize)
        return;
    PresetEntry entry{};
    if (xt::calls::MakeFileSpec(0, 0, found.cFileName, &entry) != 0)
        return;
    entry.name[kPresetNameSize - 1] = '\0';
    HandleArrayAppend(list, &entry);
}

} // namespace

int32_t ComparePresetNames(const void* key, const void* entry)
{
    return lstrcmpiA(static_cast<const PresetEntry*>(key)->name, static_cast<const PresetEntry*>(entry)->name);
}

void configurePresetFolder(const PresetFolderConfig& config)
{
    presetState().configure(config);
}

void ScanPresetFolder(xt::Handle list)
{
    if (!list || presetState().folder().empty())
        return;
    WIN32_FIND_DATAA found{};
    const std::string pattern = presetState().presetPath("*") + kPresetExtension;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
        appendFound(list, found);
    while (FindNextFileA(search, &found));
    FindClose(search);
    HandleArraySort(list, &ComparePresetNames);
}

void InitPresetFolders(bool makeBackups)
{
    auto& state = presetState();
    // Set up already: only the list is read again; the backup copies still hold the start-up state.
    if (state.list()) {
        xt::Handle list = scannedList();
        if (!list)
            return;
        xt::calls::DisposeHandle(state.list());
        state.setList(list);
        return state.notify(state.config().settings.afterScan);
    }
    if (!resolveFolders())
        return;
    CreateDirectoryA(state.folder().c_str(), nullptr);
    CreateDirectoryA(state.backupFolder().c_str(), nullptr);
    xt::Handle list = scannedList();
    if (!list)
        return;
    state.setList(list);
    state.clearBackup();
    if (makeBackups && HandleArrayCount(list) == 0)
        state.setBackup(HandleArrayCopy(list));
    else if (makeBackups)
        makeBackupCopies(list);
    state.notify(state.config().settings.afterScan);
}

void DiscardPresetList()
{
    auto& state = presetState();
    if (state.list())
        xt::calls::DisposeHandle(state.list());
    state.setList(nullptr);
    if (state.backupValid())
        deleteBackupCopies(namesIn(state.revertList()));
    state.clearBackup();
}

bool RevertPresetFolder()
{
    auto& state = presetState();
    if (!state.backupValid() || !state.list())
        return false;
    const std::vector<std::string> kept = namesIn(state.revertList());
    for (const std::string& name : namesIn(state.list())) {
        PresetEntry key{};
        std::strncpy(key.name, name.c_str(), kPresetNameSize - 1);
        uint16_t index = 0;
        if (!HandleArraySearch(state.revertList(), &key, &ComparePresetNames, &index))
            xt::calls::DeleteFile(0, 0, state.presetPath(name).c_str());
    }
    bool restored = true;
    for (const std::string& name : kept)
        restored = CopyFileA(state.backupPath(name).c_str(), state.presetPath(name).c_str(), FALSE) && restored;
    InitPresetFolders(false);
    return restored;
}

xt::Handle presetList()
{
    return presetState().list();
}

bool presetBackupValid()
{
    return presetState().backupValid();
}

std::string presetFolderPath()
{
    return presetState().folder();
}

std::string presetBackupFolderPath()
{
    return presetState().backupFolder();
}

} // namespace foundation
