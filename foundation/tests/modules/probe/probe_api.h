// The probe module's extra export: the foundation's toolkit as bound inside a loaded module, so that
// tests call it exactly as a plug-in does, through the host's tables.
#pragma once

#include <cstddef>
#include <cstdint>

#include "foundation/memory/handle_array.h"
#include "xtapi/types.h"

namespace probe {

inline constexpr char kProbeSymbol[] = "XTFoundationProbe";

/// The message the probe answers by running `run(context)`, so that a test's calls happen inside a
/// handler, where the host knows which module is calling. The short probe listens on the next number.
inline constexpr int32_t kRunMessage = 9001;
inline constexpr int32_t kShortRunMessage = 9002;

struct RunBlock {
    int32_t message;
    int32_t reserved;
    void (*run)(void* context);
    void* context;
};

/// The probe's settings file record: 32 bytes, kept as it lies in memory.
struct ProbeSettings {
    char tag[4];
    int32_t value;
    char label[24];
};
static_assert(offsetof(ProbeSettings, tag) == 0);
static_assert(offsetof(ProbeSettings, value) == 4);
static_assert(offsetof(ProbeSettings, label) == 8);
static_assert(sizeof(ProbeSettings) == 32);

inline constexpr char kProbeSettingsTag[4] = {'P', 'R', 'B', '1'};

/// How often the preset code called the refresh hooks.
struct HookCounts {
    int32_t afterScan = 0;
    int32_t afterSaveOrRename = 0;
    int32_t afterDeleteOrRefusedSave = 0;
};

struct ProbeApi {
    // The skeleton's state.
    uint16_t (*languageCode)();
    int32_t (*windowId)(int32_t offset);

    // Host memory, for building and freeing test data.
    void (*disposeHandle)(xt::Handle);
    xt::TextObject (*newTextObject)(const char* chars, int32_t length);
    void (*disposeTextObject)(xt::TextObject);

    // HandleArray.
    xt::Handle (*handleArrayNew)(uint16_t elementSize, int16_t initialSize, uint16_t growthStep);
    xt::Handle (*handleArrayCopy)(xt::Handle);
    int32_t (*handleArraySetCount)(xt::Handle, uint16_t);
    int32_t (*handleArrayInsert)(xt::Handle, const void*, uint16_t);
    uint16_t (*handleArrayAppend)(xt::Handle, const void*);
    int32_t (*handleArrayDelete)(xt::Handle, uint16_t);
    int32_t (*handleArraySort)(xt::Handle, foundation::HandleArrayComparator);
    bool (*handleArraySearch)(xt::Handle, const void*, foundation::HandleArrayComparator, uint16_t*);

    // Text and resource helpers.
    void (*textToCString)(xt::TextObject, char*);
    void (*textToCStringBounded)(xt::TextObject, char*, int32_t);
    void (*textToCStringChecked)(int32_t, const char*, int32_t*, char*, uint8_t*, int32_t);
    bool (*containsString)(const char*, const char*);
    void (*readVersionText)(char*);
    void (*warningBox)(const char*);
    void (*setCursorKind)(int32_t);

    // Presets, over the probe's own settings record.
    void (*configurePresets)(int32_t folderNameId, int32_t backupNameId, int32_t languageStride);
    void (*initPresetFolders)(bool makeBackups);
    void (*discardPresetList)();
    void (*fillPresetList)(xt::WindowRef, int32_t item, int32_t selection);
    bool (*savePresetAs)(const ProbeSettings* record, char* name, size_t capacity, int16_t* newIndex);
    bool (*renamePreset)(xt::WindowRef, int32_t item, const char* newName, int16_t* newIndex);
    bool (*deletePreset)(xt::WindowRef, int32_t item, int16_t* index);
    bool (*saveSelectedPreset)(const ProbeSettings* record, xt::WindowRef, int32_t item);
    /// Hands the preset code a record four bytes longer than the probe's, as a plug-in mixing up its
    /// records would.
    bool (*saveLongerRecordAs)(char* name, size_t capacity, int16_t* newIndex);
    int16_t (*loadPresetAt)(xt::WindowRef, int32_t item, int32_t index);
    bool (*revertPresetFolder)();
    xt::Handle (*presetList)();
    bool (*presetBackupValid)();
    /// Copies the folder paths into the buffers (zero-terminated, cut to `size`).
    void (*presetFolders)(char* folder, char* backup, size_t size);
    ProbeSettings* (*workingSettings)();
    HookCounts* (*hookCounts)();

    // Data blocks; `zeroIsCurrentBox` picks the reading of object 0 at the box levels.
    xt::Handle (*newHandle)(int32_t size);
    xt::Handle (*getXtData)(int32_t object, int16_t level, xt::FourLetterCode id, bool zeroIsCurrentBox);
    int32_t (*setXtData)(int32_t object, int16_t level, xt::FourLetterCode id, xt::Handle data, bool zeroIsCurrentBox);
};

} // namespace probe
