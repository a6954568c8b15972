// Where the build put the modules the foundation's tests load.
#pragma once

#include <filesystem>

namespace foundation_test {

inline std::filesystem::path testPluginDir()
{
    return FOUNDATION_TEST_PLUGIN_DIR;
}

inline std::filesystem::path testModule(const char* name)
{
    return testPluginDir() / name;
}

inline std::filesystem::path probeModule()
{
    return FOUNDATION_PROBE_PATH;
}

inline std::filesystem::path shortProbeModule()
{
    return FOUNDATION_PROBE_SHORT_PATH;
}

} // namespace foundation_test
