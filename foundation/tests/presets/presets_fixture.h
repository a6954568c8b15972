// A probe host with the probe's preset folder set up as Cellora's, and a Presets page with its list.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "foundation/memory/handle_array.h"
#include "foundation/presets/preset_entry.h"
#include "foundation/tests/probe_fixture.h"

namespace foundation_test {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using FileSet = std::set<std::string>;
using xt_testing::readFile;
using xt_testing::writeFile;

inline constexpr xt::WindowRef kPresetsPage = 4711;
inline constexpr int32_t kListItem = 1;
inline constexpr char kLoadFailed[] = "Sorry, problems loading settings!";

inline probe::ProbeSettings settingsWith(int32_t value, const char* label = "saved")
{
    probe::ProbeSettings settings{};
    std::memcpy(settings.tag, probe::kProbeSettingsTag, sizeof settings.tag);
    settings.value = value;
    std::strncpy(settings.label, label, sizeof settings.label - 1);
    return settings;
}

class PresetsTest : public ProbeTest {
protected:
    void SetUp() override
    {
        ProbeTest::SetUp();
        api().configurePresets(3, 4, 0); // "VORNE Probe Presets" and "_tempdata"
        host().windows().open(kPresetsPage, api().windowId(0)).addItem(kListItem, host::ui::ItemKind::List);
    }

    fs::path presetFolder() const { return systemDirectory() / "VORNE Probe Presets"; }
    fs::path backupFolder() const { return presetFolder() / "_tempdata"; }

    void writePreset(const std::string& name, const probe::ProbeSettings& settings)
    {
        writeFile(presetFolder() / name, std::string(reinterpret_cast<const char*>(&settings), sizeof settings));
    }

    static FileSet filesIn(const fs::path& folder)
    {
        FileSet names;
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(folder, ignored)) {
            if (entry.is_regular_file())
                names.insert(entry.path().filename().string());
        }
        return names;
    }

    Names listNames()
    {
        Names names;
        xt::Handle list = api().presetList();
        if (!list)
            return names;
        for (uint16_t i = 0; i < foundation::HandleArrayCount(list); ++i)
            names.emplace_back(static_cast<const foundation::PresetEntry*>(foundation::HandleArrayElement(list, i))->name);
        return names;
    }

    host::ui::WindowItem& listControl() { return *host().windows().find(kPresetsPage)->item(kListItem); }

    bool save(const char* typed, int32_t value = 1, int16_t* index = nullptr)
    {
        probe::ProbeSettings settings = settingsWith(value);
        char name[64];
        std::strncpy(name, typed, sizeof name - 1);
        name[sizeof name - 1] = '\0';
        int16_t ignored = 0;
        return api().savePresetAs(&settings, name, sizeof name, index ? index : &ignored);
    }

    /// Fills the Presets page's list and selects the row of `name` as the user would.
    void selectRow(const std::string& name)
    {
        api().fillPresetList(kPresetsPage, kListItem, -1);
        const auto& rows = listControl().rows();
        const auto found = std::find(rows.begin(), rows.end(), name);
        ASSERT_NE(found, rows.end()) << name;
        listControl().select(static_cast<int32_t>(found - rows.begin()));
    }
};

} // namespace foundation_test
