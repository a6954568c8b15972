// Amplex's settings file: its creator, its messages and the range check of a record read.
#include "amplex/settings/settings_file.h"

#include <string>

#include "amplex/engine/common/scale_warning.h"
#include "amplex/resources/strings.h"

namespace amplex {
namespace {

void warn(foundation::SettingsProblem problem)
{
    const int32_t stringId = problem == foundation::SettingsProblem::Loading ? StringLoadFailed
        : problem == foundation::SettingsProblem::Saving                    ? StringSaveFailed
                                                                             : StringCreateFailed;
    const std::string text = loadAmplexString(stringId);
    ShowScaleWarning(text.c_str());
}

bool settle(ScaleSettings& record)
{
    resetFieldsOutOfRange(record);
    return true;
}

constexpr foundation::SettingsFile<ScaleSettings> kSettingsFile{
    {.creator = kSettingsCreator, .type = kSettingsType, .warn = &warn},
    &currentSettings,
    &settle,
};

} // namespace

const foundation::SettingsFile<ScaleSettings>& settingsFile()
{
    return kSettingsFile;
}

} // namespace amplex
