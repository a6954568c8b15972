// A host with the DialogProbe module loaded, and the log its window callbacks write.
#pragma once

#include <dlfcn.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/tests/host_fixture.h"
#include "host/ui/dialog_runner.h"

namespace host_tests {

class DialogTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        const auto path = std::filesystem::path(HOST_TEST_MODULE_DIR) / "DialogProbe.xnt";
        const auto results = host().loadModules({path});
        ASSERT_TRUE(results.front().loaded) << results.front().message;
        host().startSession();
        void* library = host::context().plugins().modules().front()->library;
        m_log = reinterpret_cast<const char* (*)()>(dlsym(library, "DialogProbeLog"));
        m_clear = reinterpret_cast<void (*)()>(dlsym(library, "DialogProbeClear"));
        auto base = reinterpret_cast<int32_t (*)()>(dlsym(library, "DialogProbeWindowBase"));
        ASSERT_TRUE(m_log && m_clear && base);
        m_base = base();
    }

    /// The callbacks' lines since the last call.
    std::vector<std::string> events()
    {
        std::vector<std::string> lines;
        std::istringstream text(m_log());
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        m_clear();
        return lines;
    }

    /// The probe's lines that start with `prefix` (e.g. "pageA: value"), since the last call of events().
    std::vector<std::string> linesStartingWith(const std::string& prefix)
    {
        std::vector<std::string> found;
        for (const auto& line : events()) {
            if (line.rfind(prefix, 0) == 0)
                found.push_back(line);
        }
        return found;
    }

    int32_t windowId(int32_t offset) const { return m_base + offset; }
    host::ui::DialogUser& user() { return host().windows().dialogUser(); }
    const std::vector<host::ui::DialogRecord>& dialogs() { return host().windows().dialogLog().entries(); }

    /// Opens the main dialog through the plug-in's menu item, as a user does.
    void openFromMenu() { ASSERT_TRUE(host().chooseMenuItem("Probe > Dialog...")); }

    const char* (*m_log)() = nullptr;
    void (*m_clear)() = nullptr;
    int32_t m_base = 0;
};

} // namespace host_tests
