// A host with a system folder of its own and Amplex loaded, for the tests that go through the host.
#pragma once

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "amplex/tests/probe/probe_api.h"
#include "host/host.h"

namespace amplex::testing {

namespace fs = std::filesystem;

inline fs::path freshFolder(const std::string& name)
{
    const fs::path folder = fs::temp_directory_path()
        / ("amplex-tests-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

inline std::vector<char> fileBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const fs::path& path, const void* bytes, size_t size)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
}

/// Loads the Amplex probe (Amplex with its calls exported) into a host whose system directory is
/// a fresh folder; Windows paths "C:\WINDOWS\system32\x" name files in that folder.
class AmplexHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_systemFolder = freshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        startHost();
    }

    void TearDown() override
    {
        m_host.reset();
        fs::remove_all(m_systemFolder);
    }

    /// Starts a new host on the same system folder; `beforeLoad` may prepare it (faults, say).
    void startHost(int16_t languageCode = 0, const std::function<void(host::Host&)>& beforeLoad = {})
    {
        m_host.reset();
        host::HostOptions options;
        options.systemDirectory = m_systemFolder;
        options.languageCode = languageCode;
        m_host = std::make_unique<host::Host>(options);
        if (beforeLoad)
            beforeLoad(*m_host);
        const auto results = m_host->loadModules({AMPLEX_PROBE_FILE});
        ASSERT_EQ(results.size(), 1u);
        ASSERT_TRUE(results[0].loaded) << results[0].message;
        void* library = dlopen(AMPLEX_PROBE_FILE, RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(library, nullptr);
        m_probe = static_cast<const probe::ProbeApi*>(dlsym(library, probe::kProbeSymbol));
        dlclose(library);
        ASSERT_NE(m_probe, nullptr);
    }

    static std::string windowsPath(const std::string& name) { return "C:\\WINDOWS\\system32\\" + name; }
    fs::path realPath(const std::string& name) const { return m_systemFolder / name; }

    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : m_host->messageBoxes())
            texts.push_back(box.text);
        return texts;
    }

    fs::path m_systemFolder;
    std::unique_ptr<host::Host> m_host;
    const probe::ProbeApi* m_probe = nullptr;
};

} // namespace amplex::testing
