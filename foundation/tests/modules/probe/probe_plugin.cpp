// The probe test module: a plug-in built on the foundation that also exports its toolkit to the tests.
#include <array>
#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/document/data_blocks.h"
#include "foundation/memory/handle_array.h"
#include "foundation/plugin/plugin_description.h"
#include "foundation/plugin/skeleton.h"
#include "foundation/presets/presets.h"
#include "foundation/presets/presets_page.h"
#include "foundation/tests/modules/probe/probe_api.h"
#include "foundation/tests/modules/probe/probe_settings.h"
#include "foundation/text/text_helpers.h"
#include "xtapi/messages.h"

namespace probe {
namespace {

#ifdef PROBE_SHORT_VERSION
// The short probe: a two-byte version text, and window ids reserved one at a time.
constexpr xt::XTensionId kProbeId = 0x02524242;
constexpr char kVersion[] = "2.";
constexpr auto kReservation = foundation::Reservation::OneIdAtATime;
constexpr int32_t kRunNumber = kShortRunMessage;
#else
constexpr xt::XTensionId kProbeId = 0x01524242;
constexpr char kVersion[] = "9.1.2b7 (extra bytes past the eighth)";
constexpr auto kReservation = foundation::Reservation::OneBlock;
constexpr int32_t kRunNumber = kRunMessage;
#endif

int32_t ignoreWindowEvent(void*)
{
    return 0;
}

int32_t run(void* block)
{
    auto* request = static_cast<RunBlock*>(block);
    if (request && request->run)
        request->run(request->context);
    return 0;
}

constexpr std::array<foundation::MessageEntry, 2> kMessages = {{
    {xt::LanguageMessage, &foundation::OnLanguage},
    {kRunNumber, &run},
}};

xt::WindowRef g_presetsPage = 0;

xt::WindowRef& presetsPageWindow()
{
    return g_presetsPage;
}

/// The Presets page as a plug-in with only that page has it: nothing to read or fill besides the
/// record, and a delete that keeps the selection in place.
const foundation::PresetsPage kPresetsPage{
    .window = &presetsPageWindow,
    .readPages = [] {},
    .fillPages = [] {},
    .afterDelete = foundation::AfterPresetDelete::SamePlace,
};

int32_t presetsPageEvent(void* block)
{
    return foundation::PresetsPageEvent(kPresetsPage, block);
}

constexpr std::array<foundation::WindowEntry, 2> kWindows = {{
    {0, &ignoreWindowEvent},
    {1, &presetsPageEvent},
}};

constexpr foundation::PluginDescription kProbe{
    .id = kProbeId,
    .windowIdCount = 2,
    .reservation = kReservation,
    .serviceOrder = foundation::ServiceOrder::ReserveFirst,
    .menuService = foundation::MenuService::None,
    .messages = kMessages,
    .windows = kWindows,
};

constexpr char kPresetFolder[] = "VORNE Probe Presets";
constexpr char kBackupFolder[] = "_tempdata";
constexpr char kStyledFolder[] = "VORNE Styled Presets";
constexpr char kStyledBackup[] = "__tmpdata__";
constexpr char kStyledFolderCode1[] = "VORNE Styled Presets One";

// Strings 3 and 4 name the folders as Cellora's do; 20013 and 20014 as Amplex's, with only the
// folder name of language code 1 (20023) present, so the backup name falls back to code 0.
constexpr std::array<xt::Resource, 6> kResources = {{
    {xt::kResourceString, 3, kPresetFolder, sizeof kPresetFolder},
    {xt::kResourceString, 4, kBackupFolder, sizeof kBackupFolder},
    {xt::kResourceString, 20013, kStyledFolder, sizeof kStyledFolder},
    {xt::kResourceString, 20014, kStyledBackup, sizeof kStyledBackup},
    {xt::kResourceString, 20023, kStyledFolderCode1, sizeof kStyledFolderCode1},
    {xt::kResourceVersion, 1, kVersion, sizeof kVersion - 1},
}};

foundation::ZeroObject zeroObject(bool zeroIsCurrentBox)
{
    return zeroIsCurrentBox ? foundation::ZeroObject::CurrentBox : foundation::ZeroObject::NoBox;
}

struct LongerRecord {
    ProbeSettings settings;
    char extra[4];
};

bool saveLongerRecordAs(char* name, size_t capacity, int16_t* newIndex)
{
    const LongerRecord longer{*workingSettings(), {}};
    return foundation::SavePresetAs(longer, name, capacity, newIndex);
}

foundation::PresetSettings presetSettingsWithHooks()
{
    foundation::PresetSettings settings = foundation::presetSettings(settingsFile());
    settings.afterScan = &countScan;
    settings.afterSaveOrRename = &countSaveOrRename;
    settings.afterDeleteOrRefusedSave = &countDeleteOrRefusedSave;
    return settings;
}

void configurePresets(int32_t folderNameId, int32_t backupNameId, int32_t languageStride)
{
    foundation::configurePresetFolder({
        .folderNameId = folderNameId,
        .backupNameId = backupNameId,
        .languageStride = languageStride,
        .settings = presetSettingsWithHooks(),
    });
}

void presetFolders(char* folder, char* backup, size_t size)
{
    std::strncpy(folder, foundation::presetFolderPath().c_str(), size - 1);
    folder[size - 1] = '\0';
    std::strncpy(backup, foundation::presetBackupFolderPath().c_str(), size - 1);
    backup[size - 1] = '\0';
}

void disposeHandle(xt::Handle handle)
{
    xt::calls::DisposeHandle(handle);
}

xt::TextObject newTextObject(const char* chars, int32_t length)
{
    return xt::calls::NewTextObject(chars, 0, length);
}

void disposeTextObject(xt::TextObject text)
{
    xt::calls::DisposeTextObject(text);
}

void setCursorKind(int32_t kind)
{
    xt::calls::SetCursorKind(kind);
}

void textToCString(xt::TextObject text, char* buffer)
{
    foundation::TextToCString(text, buffer);
}

void textToCStringBounded(xt::TextObject text, char* buffer, int32_t capacity)
{
    foundation::TextToCString(text, buffer, capacity);
}

} // namespace
} // namespace probe

XT_DEFINE_PLUGIN(probe::kProbe, probe::kResources);

extern "C" XT_PLUGIN_EXPORT const probe::ProbeApi XTFoundationProbe{
    .languageCode = &foundation::languageCode,
    .windowId = &foundation::windowId,
    .disposeHandle = &probe::disposeHandle,
    .newTextObject = &probe::newTextObject,
    .disposeTextObject = &probe::disposeTextObject,
    .handleArrayNew = &foundation::HandleArrayNew,
    .handleArrayCopy = &foundation::HandleArrayCopy,
    .handleArraySetCount = &foundation::HandleArraySetCount,
    .handleArrayInsert = &foundation::HandleArrayInsert,
    .handleArrayAppend = &foundation::HandleArrayAppend,
    .handleArrayDelete = &foundation::HandleArrayDelete,
    .handleArraySort = &foundation::HandleArraySort,
    .handleArraySearch = &foundation::HandleArraySearch,
    .textToCString = &probe::textToCString,
    .textToCStringBounded = &probe::textToCStringBounded,
    .textToCStringChecked = &foundation::TextToCStringChecked,
    .containsString = &foundation::ContainsString,
    .readVersionText = &foundation::ReadVersionText,
    .warningBox = &foundation::WarningBox,
    .setCursorKind = &probe::setCursorKind,
    .configurePresets = &probe::configurePresets,
    .initPresetFolders = &foundation::InitPresetFolders,
    .discardPresetList = &foundation::DiscardPresetList,
    .fillPresetList = &foundation::FillPresetList,
    .savePresetAs = [](const probe::ProbeSettings* record, char* name, size_t capacity, int16_t* newIndex) {
        return foundation::SavePresetAs(*record, name, capacity, newIndex);
    },
    .renamePreset = &foundation::RenamePreset,
    .deletePreset = &foundation::DeletePreset,
    .saveSelectedPreset = [](const probe::ProbeSettings* record, xt::WindowRef window, int32_t item) {
        return foundation::SaveSelectedPreset(*record, window, item);
    },
    .saveLongerRecordAs = &probe::saveLongerRecordAs,
    .loadPresetAt = &foundation::LoadPresetAt,
    .revertPresetFolder = &foundation::RevertPresetFolder,
    .presetList = &foundation::presetList,
    .presetBackupValid = &foundation::presetBackupValid,
    .presetFolders = &probe::presetFolders,
    .workingSettings = &probe::workingSettings,
    .hookCounts = &probe::hookCounts,
    .newHandle = [](int32_t size) { return xt::calls::NewHandle(size); },
    .getXtData = [](int32_t object, int16_t level, xt::FourLetterCode id, bool zeroIsCurrentBox) {
        return foundation::GetXtData(object, level, id, probe::zeroObject(zeroIsCurrentBox));
    },
    .setXtData = [](int32_t object, int16_t level, xt::FourLetterCode id, xt::Handle data, bool zeroIsCurrentBox) {
        return foundation::SetXtData(object, level, id, data, probe::zeroObject(zeroIsCurrentBox));
    },
};
