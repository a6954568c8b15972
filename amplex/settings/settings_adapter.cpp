// Binding Amplex's settings files to the shared preset folder code.
#include "amplex/settings/settings_adapter.h"

#include "amplex/resources/strings.h"
#include "amplex/settings/settings_file.h"

namespace amplex {
namespace {

// The preset code passes full paths, so the volume and folder are 0.
int16_t readByPath(void* record, const char* path)
{
    return ReadSettingsFile(static_cast<ScaleSettings*>(record), path, 0, 0);
}

int16_t writeByPath(void* record, const char* path)
{
    return WriteSettingsFile(static_cast<const ScaleSettings*>(record), path, 0, 0);
}

int16_t createByPath(void* record, const char* path)
{
    return CreateSettingsFile(static_cast<const ScaleSettings*>(record), path, 0, 0);
}

} // namespace

foundation::SettingsFileAdapter settingsFileAdapter()
{
    foundation::SettingsFileAdapter adapter;
    adapter.read = &readByPath;
    adapter.write = &writeByPath;
    adapter.create = &createByPath;
    return adapter;
}

void configureAmplexPresets()
{
    foundation::PresetFolderConfig config;
    config.folderNameId = StringPresetFolder;
    config.backupNameId = StringBackupFolder;
    // Only the code-0 strings exist and an id moved by 10 x code names another of them, so the
    // folder names never move with the language (see localisedStringId).
    config.languageStride = 0;
    config.settings = settingsFileAdapter();
    foundation::configurePresetFolder(config);
}

} // namespace amplex
