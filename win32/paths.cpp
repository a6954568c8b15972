// Maps the Windows paths the plug-ins build onto real folders under the stand-in's system directory.
#include <cctype>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "win32/internal.h"
#include "win32/standin.h"

namespace win32 {
namespace {

std::filesystem::path& systemFolder()
{
    static std::filesystem::path folder;
    if (folder.empty()) {
        std::error_code error;
        folder = std::filesystem::temp_directory_path(error) / ("vorne-system-" + std::to_string(getpid()));
    }
    return folder;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::vector<std::string> splitComponents(std::string_view path)
{
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c != '\\' && c != '/') {
            current += c;
            continue;
        }
        if (!current.empty())
            parts.push_back(std::move(current));
        current.clear();
    }
    if (!current.empty())
        parts.push_back(std::move(current));
    return parts;
}

/// The entry of `folder` whose name equals `name` without regard to case; `name` itself when none does.
std::filesystem::path childIgnoringCase(const std::filesystem::path& folder, const std::string& name)
{
    std::error_code error;
    const auto exact = folder / name;
    if (std::filesystem::exists(std::filesystem::symlink_status(exact, error)))
        return exact;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (sameIgnoringCase(entry.path().filename().string(), name))
            return entry.path();
    }
    return exact;
}

struct SplitPath {
    std::filesystem::path base;
    std::vector<std::string> components;
};

/// Where a Windows path starts: the system directory, a drive folder under it, or a POSIX root.
SplitPath splitWindowsPath(std::string_view path)
{
    if (path.front() == '/')
        return {"/", splitComponents(path)};
    const bool hasDrive = path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
    const std::string_view rest = hasDrive ? path.substr(2) : path;
    const bool rooted = !rest.empty() && (rest.front() == '\\' || rest.front() == '/');
    auto components = splitComponents(rest);
    if (!rooted)
        return {systemFolder(), std::move(components)};
    const char drive = hasDrive ? static_cast<char>(std::tolower(static_cast<unsigned char>(path[0]))) : 'c';
    const bool inSystem = drive == 'c' && components.size() >= 2 && sameIgnoringCase(components[0], "WINDOWS")
        && sameIgnoringCase(components[1], "system32");
    if (inSystem) {
        components.erase(components.begin(), components.begin() + 2);
        return {systemFolder(), std::move(components)};
    }
    return {systemFolder() / "_drives" / std::string(1, drive), std::move(components)};
}

} // namespace

void setSystemDirectory(const std::filesystem::path& folder)
{
    systemFolder() = folder;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
}

const std::filesystem::path& systemDirectory()
{
    return systemFolder();
}

std::optional<std::filesystem::path> mapPath(std::string_view windowsPath)
{
    if (windowsPath.empty())
        return std::nullopt;
    SplitPath split = splitWindowsPath(windowsPath);
    std::filesystem::path result = split.base;
    for (const auto& component : split.components) {
        if (component == "..")
            return std::nullopt;
        if (component == ".")
            continue;
        result = childIgnoringCase(result, component);
    }
    return result;
}

} // namespace win32

extern "C" UINT GetSystemDirectoryA(LPSTR buffer, UINT size)
{
    const auto& name = win32::kWindowsSystemDirectory;
    if (!buffer || size <= name.size())
        return static_cast<UINT>(name.size() + 1);
    std::memcpy(buffer, name.data(), name.size());
    buffer[name.size()] = '\0';
    return static_cast<UINT>(name.size());
}
