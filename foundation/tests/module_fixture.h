// A host that loads the foundation's menu test modules by name, in the order a test gives.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/tests/test_paths.h"
#include "host/host.h"
#include "testing/temporary_folder.h"

namespace foundation_test {

inline constexpr char kCellora[] = "TestCellora.xnt";
inline constexpr char kLowSibling[] = "TestLowSibling.xnt";
inline constexpr char kHighSibling[] = "TestHighSibling.xnt";
inline constexpr char kBlankSibling[] = "TestBlankSibling.xnt";

class ModuleTest : public ::testing::Test {
protected:
    /// Makes the host; call again with other options before loading to change them.
    void makeHost(host::HostOptions options = {})
    {
        m_host.reset();
        options.systemDirectory = m_system.path();
        m_host = std::make_unique<host::Host>(options);
    }

    std::vector<host::LoadResult> load(const std::vector<const char*>& names)
    {
        if (!m_host)
            makeHost();
        std::vector<std::filesystem::path> files;
        for (const char* name : names)
            files.push_back(testModule(name));
        return m_host->loadModules(files);
    }

    host::Host& host() { return *m_host; }

    void TearDown() override { m_host.reset(); }

private:
    xt_testing::TemporaryFolder m_system{"foundation"};
    std::unique_ptr<host::Host> m_host;
};

} // namespace foundation_test
