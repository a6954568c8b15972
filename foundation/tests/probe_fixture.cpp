// Loads the probe module through the host and finds its toolkit table.
#include "foundation/tests/probe_fixture.h"

#include <dlfcn.h>

#include "foundation/tests/test_paths.h"

namespace foundation_test {

namespace {

/// The module the host loaded, opened once more (without loading it again) to find the extra export.
void* openLoaded(const std::filesystem::path& file, const probe::ProbeApi** api)
{
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return nullptr;
    *api = static_cast<const probe::ProbeApi*>(dlsym(handle, probe::kProbeSymbol));
    return handle;
}

} // namespace

void ProbeTest::SetUp()
{
    host::HostOptions options;
    options.systemDirectory = m_system.path();
    m_host = std::make_unique<host::Host>(options);
    const auto results = m_host->loadModules({probeModule()});
    ASSERT_EQ(results.size(), 1u);
    ASSERT_TRUE(results[0].loaded) << results[0].message;
    m_probe = openLoaded(probeModule(), &m_api);
    ASSERT_NE(m_api, nullptr) << dlerror();
}

const probe::ProbeApi* ProbeTest::loadShortProbe()
{
    const auto results = m_host->loadModules({shortProbeModule()});
    if (results.size() != 1 || !results[0].loaded)
        return nullptr;
    const probe::ProbeApi* api = nullptr;
    m_shortProbe = openLoaded(shortProbeModule(), &api);
    return api;
}

void ProbeTest::inProbe(const std::function<void()>& work, int32_t message)
{
    probe::RunBlock block{message, 0, [](void* context) { (*static_cast<const std::function<void()>*>(context))(); },
        const_cast<std::function<void()>*>(&work)};
    m_host->sendMessage(message, &block);
}

void ProbeTest::TearDown()
{
    // Our own references go first, so that the host's unload really unloads the modules.
    if (m_shortProbe)
        dlclose(m_shortProbe);
    if (m_probe)
        dlclose(m_probe);
    m_host.reset();
}

} // namespace foundation_test
