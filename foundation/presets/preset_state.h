// Inside the preset code: the plug-in's preset folder state shared by its source files.
#pragma once

#include <optional>
#include <string>

#include "foundation/presets/presets.h"

namespace foundation::detail {

class PresetFolderState {
public:
    const PresetFolderConfig& config() const { return m_config; }
    void configure(const PresetFolderConfig& config) { m_config = config; }

    const std::string& folder() const { return m_folder; }
    const std::string& backupFolder() const { return m_backupFolder; }
    void setFolders(std::string folder, std::string backupFolder);

    xt::Handle list() const { return m_list; }
    void setList(xt::Handle list) { m_list = list; }
    xt::Handle revertList() const { return m_revertList; }
    bool backupValid() const { return m_backupValid; }
    void setBackup(xt::Handle revertList);
    void clearBackup();

    /// The full path of a preset file in the preset or the backup folder.
    std::string presetPath(const std::string& name) const { return m_folder + '\\' + name; }
    std::string backupPath(const std::string& name) const { return m_backupFolder + '\\' + name; }

    void notify(void (*hook)()) const
    {
        if (hook)
            hook();
    }

private:
    PresetFolderConfig m_config{};
    std::string m_folder;
    std::string m_backupFolder;
    xt::Handle m_list = nullptr;
    xt::Handle m_revertList = nullptr;
    bool m_backupValid = false;
};

PresetFolderState& presetState();

/// The name of the list's entry at `index`, copied out so that the block may move afterwards.
std::optional<std::string> entryName(xt::Handle list, int32_t index);

} // namespace foundation::detail
