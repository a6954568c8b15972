// A fresh folder for one test, and whole files read and written.
#include "testing/temporary_folder.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <system_error>

namespace xt_testing {

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder(std::string_view hint)
{
    static std::atomic<int> counter{0};
    m_path = fs::temp_directory_path()
        / ("vorne-" + std::string(hint) + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(m_path);
    fs::create_directories(m_path);
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::vector<std::string> TemporaryFolder::fileNames() const
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, std::string_view bytes)
{
    if (path.has_parent_path())
        fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace xt_testing
