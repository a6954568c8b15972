// A fresh folder under the temporary directory for one test, removed with it.
#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace foundation_test {

class ScratchFolder {
public:
    ScratchFolder()
    {
        static std::atomic<int> next{0};
        m_path = std::filesystem::temp_directory_path()
            / ("foundation-test-" + std::to_string(::getpid()) + "-" + std::to_string(next++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace foundation_test
