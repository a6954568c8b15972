// Binding Amplex's settings files to the shared preset folder code.
#include "amplex/settings/settings_adapter.h"

#include "amplex/resources/strings.h"
#include "amplex/settings/settings_file.h"

namespace amplex {

void configureAmplexPresets()
{
    foundation::PresetFolderConfig config;
    config.folderNameId = StringPresetFolder;
    config.backupNameId = StringBackupFolder;
    // Only the code-0 strings exist and an id moved by 10 x code names another of them, so the
    // folder names never move with the language (see localisedStringId).
    config.languageStride = 0;
    config.settings = foundation::presetSettings(settingsFile());
    foundation::configurePresetFolder(config);
}

} // namespace amplex
