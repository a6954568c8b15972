// The probe's fixed-size settings record and its file, through the foundation's typed settings file.
#include "foundation/tests/modules/probe/probe_settings.h"

#include <cstring>

#include "foundation/text/text_helpers.h"

namespace probe {

namespace {

constexpr xt::FourLetterCode kCreator = 0x01524242;

ProbeSettings g_working{{'P', 'R', 'B', '1'}, 0, "factory"};
HookCounts g_hooks;

ProbeSettings& working()
{
    return g_working;
}

void warn(foundation::SettingsProblem problem)
{
    foundation::WarningBox(problem == foundation::SettingsProblem::Loading ? "Sorry, problems loading settings!"
            : problem == foundation::SettingsProblem::Saving               ? "Sorry, problems saving settings!"
                                                                            : "Sorry, couldn't save settings!");
}

/// A record of the right size without the probe's tag is another plug-in's file.
bool hasProbeTag(ProbeSettings& record)
{
    return std::memcmp(record.tag, kProbeSettingsTag, sizeof record.tag) == 0;
}

constexpr foundation::SettingsFile<ProbeSettings> kSettingsFile{
    {.creator = kCreator, .type = xt::kFileTypePreferences, .warn = &warn},
    &working,
    &hasProbeTag,
};

} // namespace

ProbeSettings* workingSettings()
{
    return &g_working;
}

HookCounts* hookCounts()
{
    return &g_hooks;
}

const foundation::SettingsFile<ProbeSettings>& settingsFile()
{
    return kSettingsFile;
}

void countScan()
{
    ++g_hooks.afterScan;
}

void countSaveOrRename()
{
    ++g_hooks.afterSaveOrRename;
}

void countDeleteOrRefusedSave()
{
    ++g_hooks.afterDeleteOrRefusedSave;
}

} // namespace probe
