// A host with the WindowProbe module loaded, and the log its callbacks write.
#pragma once

#include <dlfcn.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/tests/host_fixture.h"
#include "host/ui/dialog_runner.h"

namespace host_tests {

class WindowProbeTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        const auto path = std::filesystem::path(HOST_TEST_MODULE_DIR) / "WindowProbe.xnt";
        const auto results = host().loadModules({path});
        ASSERT_TRUE(results.front().loaded) << results.front().message;
        host().startSession();
        m_library = host::context().plugins().modules().front()->library;
        m_log = symbol<const char* (*)()>("WindowProbeLog");
        m_clear = symbol<void (*)()>("WindowProbeClear");
        ASSERT_TRUE(m_log && m_clear);
        m_setUpLines = events();
    }

    template <class Function>
    Function symbol(const char* name)
    {
        return reinterpret_cast<Function>(dlsym(m_library, name));
    }

    /// The probe's lines since the last call.
    std::vector<std::string> events()
    {
        std::vector<std::string> lines;
        std::istringstream text(m_log());
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        m_clear();
        return lines;
    }

    host::ui::DialogUser& user() { return host().windows().dialogUser(); }
    const std::vector<host::ui::DialogRecord>& dialogs() { return host().windows().dialogLog().entries(); }

    std::vector<std::string> m_setUpLines; // what the plug-in logged while the host set it up
    void* m_library = nullptr;
    const char* (*m_log)() = nullptr;
    void (*m_clear)() = nullptr;
};

} // namespace host_tests
