// Open files over POSIX descriptors, with the host's statuses.
#include "host/api/file_table.h"

#include <cctype>
#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "host/api/file_status.h"

namespace host::api {
namespace {

namespace fs = std::filesystem;

bool pathExists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

bool isFolder(const fs::path& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

int openFlags(int16_t permission)
{
    switch (permission) {
    case kPermissionRead:
        return O_RDONLY;
    case kPermissionWrite:
        return O_WRONLY;
    default:
        return O_RDWR;
    }
}

bool sameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

/// Another file of the folder already has this name, compared without regard to case as Windows does.
bool nameTaken(const fs::path& path, const std::string& newName)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(path.parent_path(), error)) {
        if (sameIgnoringCase(entry.path().filename().string(), newName) && !fs::equivalent(entry.path(), path, error))
            return true;
    }
    return false;
}

bool mayRead(int16_t permission)
{
    return permission != kPermissionWrite;
}

bool mayWrite(int16_t permission)
{
    return permission != kPermissionRead;
}

} // namespace

FileTable::~FileTable()
{
    for (auto& [reference, file] : m_open)
        ::close(file.descriptor);
}

int16_t FileTable::create(const fs::path& path, FileKind kind)
{
    if (pathExists(path))
        return kFileDuplicate;
    if (!isFolder(path.parent_path()))
        return kFileFolderNotFound;
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (descriptor < 0)
        return errno == EEXIST ? kFileDuplicate : kFileIoError;
    ::close(descriptor);
    m_kinds[path.string()] = kind;
    return kFileOk;
}

int16_t FileTable::open(const fs::path& path, int16_t permission, xt::FileRef& file)
{
    if (permission < kPermissionCurrent || permission > kPermissionReadWrite)
        return kFileBadParameter;
    if (!pathExists(path) || isFolder(path))
        return pathExists(path.parent_path()) ? kFileNotFound : kFileFolderNotFound;
    const int16_t granted = permission == kPermissionCurrent ? kPermissionReadWrite : permission;
    const int descriptor = ::open(path.c_str(), openFlags(granted));
    if (descriptor < 0)
        return kFileIoError;
    file = m_next++;
    m_open.emplace(file, OpenFile{descriptor, path, granted});
    return kFileOk;
}

int16_t FileTable::read(xt::FileRef file, int32_t& count, void* buffer)
{
    auto found = m_open.find(file);
    if (found == m_open.end())
        return kFileBadReference;
    if (count < 0 || (count > 0 && !buffer))
        return kFileBadParameter;
    if (!mayRead(found->second.permission))
        return kFileNoPermission;
    int32_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(found->second.descriptor, static_cast<char*>(buffer) + done, static_cast<size_t>(count - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            count = done;
            return kFileIoError;
        }
        if (got == 0)
            break;
        done += static_cast<int32_t>(got);
    }
    const bool reachedEnd = done < count;
    count = done;
    return reachedEnd ? kFileEndOfFile : kFileOk;
}

int16_t FileTable::write(xt::FileRef file, int32_t& count, const void* buffer)
{
    auto found = m_open.find(file);
    if (found == m_open.end())
        return kFileBadReference;
    if (count < 0 || (count > 0 && !buffer))
        return kFileBadParameter;
    if (!mayWrite(found->second.permission))
        return kFileNoPermission;
    int32_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(found->second.descriptor, static_cast<const char*>(buffer) + done, static_cast<size_t>(count - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            count = done;
            return kFileIoError;
        }
        done += static_cast<int32_t>(put);
    }
    count = done;
    return kFileOk;
}

int16_t FileTable::close(xt::FileRef file)
{
    auto found = m_open.find(file);
    if (found == m_open.end())
        return kFileBadReference;
    const int result = ::close(found->second.descriptor);
    m_open.erase(found);
    return result == 0 ? kFileOk : kFileIoError;
}

bool FileTable::isOpen(const fs::path& path) const
{
    for (const auto& [reference, file] : m_open) {
        if (file.path == path)
            return true;
    }
    return false;
}

int16_t FileTable::remove(const fs::path& path)
{
    if (!pathExists(path) || isFolder(path))
        return kFileNotFound;
    if (isOpen(path))
        return kFileBusy;
    std::error_code error;
    if (!fs::remove(path, error))
        return kFileIoError;
    m_kinds.erase(path.string());
    return kFileOk;
}

int16_t FileTable::rename(const fs::path& path, const std::string& newName)
{
    if (newName.empty() || newName == "." || newName == ".." || newName.find_first_of("\\/:") != std::string::npos)
        return kFileBadName;
    if (!pathExists(path) || isFolder(path))
        return kFileNotFound;
    if (isOpen(path))
        return kFileBusy;
    // The same file under other capitals is a change of the name's case, not a clash.
    if (nameTaken(path, newName))
        return kFileDuplicate;
    const fs::path target = path.parent_path() / newName;
    std::error_code error;
    fs::rename(path, target, error);
    if (error)
        return kFileIoError;
    if (auto kind = m_kinds.extract(path.string()))
        m_kinds[target.string()] = kind.mapped();
    return kFileOk;
}

std::optional<FileKind> FileTable::kindOf(const fs::path& path) const
{
    auto found = m_kinds.find(path.string());
    if (found == m_kinds.end())
        return std::nullopt;
    return found->second;
}

} // namespace host::api
