// A fresh folder for one test under the temporary directory, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace xt_testing {

class TemporaryFolder {
public:
    /// `hint` goes into the folder's name (with the process id and a counter), so that a folder a
    /// crashed test left behind says whose it was.
    explicit TemporaryFolder(std::string_view hint = "test");
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::filesystem::path& relative) const { return m_path / relative; }

    /// The names in the folder, sorted: what a user would see in it.
    std::vector<std::string> fileNames() const;

private:
    std::filesystem::path m_path;
};

/// The file's bytes; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);
/// Writes the bytes as the whole file, making its folder when missing.
void writeFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace xt_testing
