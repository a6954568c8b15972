// The Windows file calls: folders, copies, deletion and the file search, over the mapped paths.
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "win32/internal.h"
#include "win32/standin.h"

namespace win32 {
namespace {

namespace fs = std::filesystem;

struct FoundEntry {
    std::string name;
    bool folder = false;
    uint64_t size = 0;
    uint64_t writeTime = 0; // 100-nanosecond steps since 1601, as FILETIME counts
};

struct Search {
    std::vector<FoundEntry> entries;
    size_t next = 0;
};

std::vector<std::unique_ptr<Search>>& searches()
{
    static std::vector<std::unique_ptr<Search>> open;
    return open;
}

Search* findSearch(HANDLE handle)
{
    for (auto& search : searches()) {
        if (search.get() == handle)
            return search.get();
    }
    return nullptr;
}

char fold(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

/// "*" and "?" wildcards, compared without regard to case.
bool matchesPattern(std::string_view name, std::string_view pattern)
{
    if (pattern.empty())
        return name.empty();
    if (pattern.front() == '*') {
        for (size_t skip = 0; skip <= name.size(); ++skip) {
            if (matchesPattern(name.substr(skip), pattern.substr(1)))
                return true;
        }
        return false;
    }
    if (name.empty())
        return false;
    if (pattern.front() != '?' && fold(pattern.front()) != fold(name.front()))
        return false;
    return matchesPattern(name.substr(1), pattern.substr(1));
}

uint64_t toFileTime(fs::file_time_type time)
{
    // The seconds between 1601-01-01 and 1970-01-01.
    constexpr int64_t kEpochDifference = 11644473600LL;
    const auto sinceEpoch = std::chrono::file_clock::to_sys(time).time_since_epoch();
    const auto steps = std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count() / 100;
    return static_cast<uint64_t>(steps + kEpochDifference * 10'000'000LL);
}

void fillFindData(const FoundEntry& entry, WIN32_FIND_DATAA& data)
{
    std::memset(&data, 0, sizeof data);
    data.dwFileAttributes = entry.folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    data.nFileSizeHigh = static_cast<DWORD>(entry.size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(entry.size);
    data.ftLastWriteTime = {static_cast<DWORD>(entry.writeTime), static_cast<DWORD>(entry.writeTime >> 32)};
    data.ftCreationTime = data.ftLastWriteTime;
    data.ftLastAccessTime = data.ftLastWriteTime;
    std::memcpy(data.cFileName, entry.name.c_str(), entry.name.size() + 1);
}

std::vector<FoundEntry> listMatching(const fs::path& folder, std::string_view pattern)
{
    std::vector<FoundEntry> found;
    std::error_code error;
    for (const auto& item : fs::directory_iterator(folder, error)) {
        std::string name = item.path().filename().string();
        // A name that does not fit the record could only be reported cut, which would name another file.
        if (name.size() >= MAX_PATH || !matchesPattern(name, pattern))
            continue;
        FoundEntry entry{std::move(name), item.is_directory(error)};
        if (!entry.folder)
            entry.size = item.file_size(error);
        entry.writeTime = toFileTime(item.last_write_time(error));
        found.push_back(std::move(entry));
    }
    std::sort(found.begin(), found.end(), [](const FoundEntry& a, const FoundEntry& b) {
        return lstrcmpiA(a.name.c_str(), b.name.c_str()) < 0;
    });
    return found;
}

bool fileExists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

bool isFolder(const fs::path& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

/// Copies through a temporary file beside the target, so a failed copy never leaves half a file.
bool copyWhole(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    const fs::path temporary = to.parent_path() / (".copy-" + to.filename().string() + ".tmp");
    fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::rename(temporary, to, error);
    if (!error)
        return true;
    fs::remove(temporary, error);
    return false;
}

} // namespace

void detail::resetFiles()
{
    searches().clear();
}

} // namespace win32

using win32::detail::setLastError;

extern "C" BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES)
{
    auto mapped = win32::mapPath(path ? path : "");
    if (!mapped) {
        setLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    if (win32::fileExists(*mapped)) {
        setLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    if (!win32::isFolder(mapped->parent_path())) {
        setLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    std::error_code error;
    if (!std::filesystem::create_directory(*mapped, error)) {
        setLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return TRUE;
}

extern "C" BOOL CopyFileA(LPCSTR existing, LPCSTR target, BOOL failIfExists)
{
    auto from = win32::mapPath(existing ? existing : "");
    auto to = win32::mapPath(target ? target : "");
    if (!from || !to) {
        setLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    if (!win32::fileExists(*from) || win32::isFolder(*from)) {
        setLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    if (win32::fileExists(*to) && (failIfExists || win32::isFolder(*to))) {
        setLastError(failIfExists ? ERROR_FILE_EXISTS : ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (!win32::isFolder(to->parent_path())) {
        setLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    if (!win32::copyWhole(*from, *to)) {
        setLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return TRUE;
}

extern "C" BOOL DeleteFileA(LPCSTR path)
{
    auto mapped = win32::mapPath(path ? path : "");
    if (!mapped) {
        setLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    if (!win32::fileExists(*mapped)) {
        setLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    std::error_code error;
    if (win32::isFolder(*mapped) || !std::filesystem::remove(*mapped, error)) {
        setLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return TRUE;
}

extern "C" HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data)
{
    const std::string_view text = pattern ? pattern : "";
    const size_t cut = text.find_last_of("\\/");
    const std::string_view folderPart = cut == std::string_view::npos ? std::string_view{} : text.substr(0, cut + 1);
    const std::string_view namePattern = cut == std::string_view::npos ? text : text.substr(cut + 1);
    auto folder = folderPart.empty() ? std::optional(win32::systemDirectory()) : win32::mapPath(folderPart);
    if (!data || !folder || namePattern.empty()) {
        setLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    if (!win32::isFolder(*folder)) {
        setLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto search = std::make_unique<win32::Search>();
    search->entries = win32::listMatching(*folder, namePattern);
    if (search->entries.empty()) {
        setLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    win32::fillFindData(search->entries[search->next++], *data);
    win32::searches().push_back(std::move(search));
    return win32::searches().back().get();
}

extern "C" BOOL FindNextFileA(HANDLE handle, LPWIN32_FIND_DATAA data)
{
    win32::Search* search = win32::findSearch(handle);
    if (!search || !data) {
        setLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (search->next >= search->entries.size()) {
        setLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    win32::fillFindData(search->entries[search->next++], *data);
    return TRUE;
}

extern "C" BOOL FindClose(HANDLE handle)
{
    auto& open = win32::searches();
    auto found = std::find_if(open.begin(), open.end(), [&](const auto& search) { return search.get() == handle; });
    if (found == open.end()) {
        setLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    open.erase(found);
    return TRUE;
}
