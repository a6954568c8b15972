// A host on a system folder of its own with one of Amplex's probe modules loaded: the set-up every
// fixture that goes through the host shares.
#pragma once

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/model/items/item_store.h"

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

/// Gives each test a fresh system folder named after it; `startHost` puts a host with the probe
/// module loaded on it, and `resolveTable` finds the table of calls the probe exports. Fixtures open
/// the document they want into `m_layout`.
class ProbeHostTest : public ::testing::Test {
protected:
    explicit ProbeHostTest(const char* probeFile) : m_probeFile(probeFile) {}

    void SetUp() override
    {
        m_folder = freshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }

    void TearDown() override
    {
        m_host.reset();
        fs::remove_all(m_folder);
    }

    /// Starts a new host on the same system folder; `beforeLoad` may prepare it (faults, say).
    void startHost(int16_t languageCode = 0, const std::function<void(host::Host&)>& beforeLoad = {})
    {
        m_host.reset();
        host::HostOptions options;
        options.systemDirectory = m_folder;
        options.languageCode = languageCode;
        m_host = std::make_unique<host::Host>(options);
        if (beforeLoad)
            beforeLoad(*m_host);
        const auto results = m_host->loadModules({m_probeFile});
        ASSERT_EQ(results.size(), 1u);
        ASSERT_TRUE(results[0].loaded) << results[0].message;
    }

    /// The loaded probe's exported table named `symbol`.
    template <class Api>
    void resolveTable(const char* symbol, const Api*& table) const
    {
        void* library = dlopen(m_probeFile, RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(library, nullptr);
        table = static_cast<const Api*>(dlsym(library, symbol));
        dlclose(library);
        ASSERT_NE(table, nullptr);
    }

    host::model::Layout& layout() { return *m_layout; }
    host::model::ItemStore& items() { return m_layout->items(); }
    xt::FixedRect boundsOf(int32_t ref)
    {
        const host::model::Item* found = items().find(ref);
        EXPECT_NE(found, nullptr) << "item " << ref;
        return found ? items().bounds(*found) : xt::FixedRect{};
    }

    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : m_host->messageBoxes())
            texts.push_back(box.text);
        return texts;
    }

    fs::path m_folder;
    std::unique_ptr<host::Host> m_host;
    /// The document the fixture opens, once it has opened one.
    host::model::Layout* m_layout = nullptr;

private:
    const char* m_probeFile;
};

} // namespace amplex::testing
