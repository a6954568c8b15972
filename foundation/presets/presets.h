// The preset folder and the preset list behind a Presets page: one ".prf" settings file per named
// preset in a folder under the system directory, with backup copies made at start-up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/presets/preset_entry.h"
#include "foundation/settings/settings_file.h"
#include "xtapi/types.h"

namespace foundation {

/// The plug-in's settings file as the preset code reaches it, made from its typed SettingsFile by
/// presetSettings(), which alone knows the record's type. Each call returns 0 on success or a nonzero
/// status after showing its own message (silently for a path that contains "Default").
struct PresetSettings {
    const void* file = nullptr;  // the plug-in's SettingsFile<Record>
    size_t recordSize = 0;       // what a record handed to SavePresetAs and SaveSelectedPreset must measure
    /// Reads the file at `path` into the working settings.
    int16_t (*read)(const void* file, const char* path) = nullptr;
    /// Writes `record` into the existing file at `path`.
    int16_t (*write)(const void* file, const void* record, const char* path) = nullptr;
    /// Creates the file at `path` with the plug-in's creator and type, and writes `record`.
    int16_t (*create)(const void* file, const void* record, const char* path) = nullptr;
    /// The working record, which the Presets page saves.
    const void* (*working)(const void* file) = nullptr;
    /// Optional: after the folder was scanned (Amplex reloads every preset).
    void (*afterScan)() = nullptr;
    /// Optional: after a preset was saved or renamed.
    void (*afterSaveOrRename)() = nullptr;
    /// Optional: after a preset was deleted or a save was refused.
    void (*afterDeleteOrRefusedSave)() = nullptr;
};

/// The preset code's hold on `file`, which must live as long as the preset folder is configured.
template <class Record>
PresetSettings presetSettings(const SettingsFile<Record>& file)
{
    using File = SettingsFile<Record>;
    PresetSettings settings;
    settings.file = &file;
    settings.recordSize = sizeof(Record);
    settings.read = [](const void* held, const char* path) {
        return static_cast<const File*>(held)->read(nullptr, path);
    };
    settings.write = [](const void* held, const void* record, const char* path) {
        return static_cast<const File*>(held)->write(static_cast<const Record*>(record), path);
    };
    settings.create = [](const void* held, const void* record, const char* path) {
        return static_cast<const File*>(held)->create(static_cast<const Record*>(record), path);
    };
    settings.working = [](const void* held) -> const void* { return &static_cast<const File*>(held)->working(); };
    return settings;
}

struct PresetFolderConfig {
    /// String ids of the preset folder's and the backup folder's names for language code 0.
    int32_t folderNameId = 0;
    int32_t backupNameId = 0;
    /// The ids move by this much per language code; an id that does not exist falls back to the code-0 id.
    int32_t languageStride = 0;
    PresetSettings settings{};
};

/// Sets the plug-in's folder names and settings calls; call once before InitPresetFolders.
void configurePresetFolder(const PresetFolderConfig& config);

/// Creates the folders and scans the preset list; with `makeBackups`, copies every preset into the
/// backup folder so that RevertPresetFolder can restore them. A second call only rescans the list
/// and keeps the backup copies of the first.
void InitPresetFolders(bool makeBackups);

/// Appends one entry per "*.prf" file of the preset folder to `list`, then sorts it.
void ScanPresetFolder(xt::Handle list);

/// Frees the lists and deletes the backup copies.
void DiscardPresetList();

/// Refills the list control `item` of `window` with the preset names and selects `selection` when it exists.
void FillPresetList(xt::WindowRef window, int32_t item, int32_t selection);

namespace detail {
bool savePresetAs(const void* record, size_t size, char* name, size_t capacity, int16_t* newIndex);
bool saveSelectedPreset(const void* record, size_t size, xt::WindowRef window, int32_t item);
/// The working record of the configured settings file and its size; null before one is configured.
const void* workingRecord(size_t* size);
} // namespace detail

/// Saves `record` as a new preset named by `name` (in/out: it comes back as the file name, cut to fit
/// `capacity`). Writes the new index, or -1 when a preset of that name exists. Refused for a record
/// of another size than the configured settings file's.
template <class Record>
bool SavePresetAs(const Record& record, char* name, size_t capacity, int16_t* newIndex)
{
    return detail::savePresetAs(&record, sizeof record, name, capacity, newIndex);
}

/// Renames the preset selected in the list control to `newName`, with the rules of SavePresetAs.
bool RenamePreset(xt::WindowRef window, int32_t item, const char* newName, int16_t* newIndex);

/// Deletes the preset selected in the list control; writes the index it had (-1 when none).
bool DeletePreset(xt::WindowRef window, int32_t item, int16_t* index);

/// Writes `record` into the selected preset's file; false without a selection, when the write fails or
/// for a record of another size than the configured settings file's.
template <class Record>
bool SaveSelectedPreset(const Record& record, xt::WindowRef window, int32_t item)
{
    return detail::saveSelectedPreset(&record, sizeof record, window, item);
}

/// Reads the preset at `index` into the working settings; the reader's status, or nonzero for an
/// index outside the list.
int16_t LoadPresetAt(xt::WindowRef window, int32_t item, int32_t index);

/// Puts the preset folder back as the backup copies found it: presets made since are deleted and the
/// copied ones restored. False when there is no valid backup or a copy failed.
bool RevertPresetFolder();

/// The preset list (null before InitPresetFolders), and whether the backup copies are valid.
xt::Handle presetList();
bool presetBackupValid();
/// The full paths of the two folders ("" until InitPresetFolders resolved them).
std::string presetFolderPath();
std::string presetBackupFolderPath();

inline constexpr int16_t kPresetIndexNone = -1;
inline constexpr int16_t kPresetMissing = -43; // the host's "file not found"

} // namespace foundation
