// A host with the probe module loaded, and the probe's toolkit table to call into it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "foundation/tests/modules/probe/probe_api.h"
#include "host/host.h"
#include "testing/temporary_folder.h"

namespace foundation_test {

class ProbeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /// Loads a second probe (the short one) next to the first; null on failure.
    const probe::ProbeApi* loadShortProbe();

    /// Runs `work` inside the probe's message handler (or the short probe's), where the host knows
    /// which module is calling, as it does for every plug-in's own work.
    void inProbe(const std::function<void()>& work, int32_t message = probe::kRunMessage);

    host::Host& host() { return *m_host; }
    const probe::ProbeApi& api() { return *m_api; }
    const std::filesystem::path& systemDirectory() const { return m_system.path(); }

private:
    xt_testing::TemporaryFolder m_system{"foundation"};
    std::unique_ptr<host::Host> m_host;
    void* m_probe = nullptr;
    void* m_shortProbe = nullptr;
    const probe::ProbeApi* m_api = nullptr;
};

} // namespace foundation_test
