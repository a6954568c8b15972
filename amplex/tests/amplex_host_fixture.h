// A host with a system folder of its own and Amplex loaded, for the tests that go through the host.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "amplex/tests/probe/probe_api.h"
#include "amplex/tests/probe_host.h"

namespace amplex::testing {

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
class AmplexHostTest : public ProbeHostTest {
protected:
    AmplexHostTest() : ProbeHostTest(AMPLEX_PROBE_FILE) {}

    void SetUp() override
    {
        ProbeHostTest::SetUp();
        startHost();
    }

    /// Starts a new host on the same system folder; `beforeLoad` may prepare it (faults, say).
    void startHost(int16_t languageCode = 0, const std::function<void(host::Host&)>& beforeLoad = {})
    {
        ASSERT_NO_FATAL_FAILURE(ProbeHostTest::startHost(languageCode, beforeLoad));
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kProbeSymbol, m_probe));
    }

    static std::string windowsPath(const std::string& name) { return "C:\\WINDOWS\\system32\\" + name; }
    fs::path realPath(const std::string& name) const { return m_folder / name; }

    const probe::ProbeApi* m_probe = nullptr;
};

} // namespace amplex::testing
