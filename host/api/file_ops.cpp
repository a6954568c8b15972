// File operations: full Windows paths (volume 0, folder 0) mapped under the system directory.
#include <cstring>
#include <optional>
#include <string>

#include "host/api/file_spec.h"
#include "host/api/file_status.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "win32/standin.h"

namespace host::api {
namespace {

/// The real path of (volume, folder, path); the host knows no volumes or folder ids besides 0.
std::optional<std::filesystem::path> resolve(int16_t volume, int32_t folder, const char* path, int16_t& status)
{
    if (volume != 0 || folder != 0) {
        status = kFileFolderNotFound;
        return std::nullopt;
    }
    auto mapped = win32::mapPath(path ? path : "");
    if (!mapped)
        status = kFileBadName;
    return mapped;
}

int16_t CreateFile(int16_t volume, int32_t folder, const char* path, xt::FourLetterCode creator, xt::FourLetterCode type)
{
    int16_t status = kFileOk;
    auto mapped = resolve(volume, folder, path, status);
    if (!mapped)
        return status;
    return context().files().create(*mapped, {creator, type});
}

int16_t OpenFile(int16_t volume, int32_t folder, const char* path, int16_t permission, xt::FileRef* file)
{
    int16_t status = kFileOk;
    auto mapped = resolve(volume, folder, path, status);
    if (!mapped)
        return status;
    if (!file)
        return kFileBadParameter;
    return context().files().open(*mapped, permission, *file);
}

int16_t ReadFile(xt::FileRef file, int32_t* count, void* buffer)
{
    if (!count)
        return kFileBadParameter;
    return context().files().read(file, *count, buffer);
}

int16_t WriteFile(xt::FileRef file, int32_t* count, const void* buffer)
{
    if (!count)
        return kFileBadParameter;
    return context().files().write(file, *count, buffer);
}

int16_t CloseFile(xt::FileRef file)
{
    return context().files().close(file);
}

int16_t DeleteFile(int16_t volume, int32_t folder, const char* path)
{
    int16_t status = kFileOk;
    auto mapped = resolve(volume, folder, path, status);
    if (!mapped)
        return status;
    return context().files().remove(*mapped);
}

/// Writes the file record (volume, folder, name) of a name as given (a bare name stays bare); the file need not exist.
int16_t MakeFileSpec(int16_t volume, int32_t folder, const char* name, void* spec)
{
    if (!name || !spec)
        return kFileBadParameter;
    const size_t length = std::strlen(name);
    if (length == 0 || length >= sizeof(FileSpecRecord::name))
        return kFileBadName;
    FileSpecRecord record{};
    record.volume = volume;
    record.folder = folder;
    std::memcpy(record.name, name, length);
    std::memcpy(spec, &record, sizeof record);
    return kFileOk;
}

/// Renames the file `path` names to `newName` within the same folder.
int16_t ToolboxOp2012(int16_t volume, int32_t folder, const char* path, const char* newName)
{
    int16_t status = kFileOk;
    auto mapped = resolve(volume, folder, path, status);
    if (!mapped)
        return status;
    if (!newName)
        return kFileBadName;
    return context().files().rename(*mapped, newName);
}

} // namespace

void registerFileOperations(OperationRegistry& registry)
{
    registry.add<xt::op::CreateFile, &CreateFile>();
    registry.add<xt::op::OpenFile, &OpenFile>();
    registry.add<xt::op::ReadFile, &ReadFile>();
    registry.add<xt::op::WriteFile, &WriteFile>();
    registry.add<xt::op::CloseFile, &CloseFile>();
    registry.add<xt::op::DeleteFile, &DeleteFile>();
    registry.add<xt::op::MakeFileSpec, &MakeFileSpec>();
    registry.add<xt::op::ToolboxOp2012, &ToolboxOp2012>();
}

} // namespace host::api
