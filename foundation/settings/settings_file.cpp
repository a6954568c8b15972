// Reading, creating and rewriting settings files through the host's file operations.
#include "foundation/settings/settings_file.h"

#include <string>
#include <string_view>

#include "foundation/binding/binding.h"
#include "xtapi/status.h"

namespace foundation::detail {
namespace {

constexpr int16_t kReadWrite = 3;
/// Names no preset: the folder scan looks for "*.prf" only.
constexpr const char* kSiblingSuffix = "~";

/// A missing "Default" preset is normal: the user has not made one yet.
bool isQuietWhenMissing(const char* name)
{
    return std::string_view(name).find("Default") != std::string_view::npos;
}

int16_t writeWholeRecord(xt::FileRef file, const void* record, size_t size)
{
    const auto wanted = static_cast<int32_t>(size);
    int32_t count = wanted;
    const int16_t status = xt::calls::WriteFile(file, &count, record);
    if (status != xt::kStatusOk)
        return status;
    return count == wanted ? xt::kStatusOk : kStatusIncompleteRecord;
}

/// After the record was written from the start: whether the file goes on past it.
bool goesOnPastRecord(xt::FileRef file)
{
    char extra = 0;
    int32_t count = 1;
    xt::calls::ReadFile(file, &count, &extra);
    return count > 0;
}

/// Opens an existing file and writes the record from its start; `longer` tells whether more
/// of the old content follows.
int16_t writeOver(const void* record, size_t size, const char* name, int16_t volume, int32_t folder,
    const SettingsFileRules& rules, bool& longer)
{
    xt::FileRef file = 0;
    const int16_t opened = xt::calls::OpenFile(volume, folder, name, kReadWrite, &file);
    if (opened != xt::kStatusOk) {
        warn(rules, SettingsProblem::Saving);
        return opened;
    }
    const int16_t written = writeWholeRecord(file, record, size);
    longer = written == xt::kStatusOk && goesOnPastRecord(file);
    const int16_t closed = xt::calls::CloseFile(file);
    const int16_t status = written != xt::kStatusOk ? written : closed;
    if (status != xt::kStatusOk)
        warn(rules, SettingsProblem::Saving);
    return status;
}

/// Puts the record into a file just created; a file that could not be filled is removed again.
int16_t fillNewFile(const void* record, size_t size, const char* name, int16_t volume, int32_t folder,
    const SettingsFileRules& rules)
{
    bool longer = false;
    const int16_t status = writeOver(record, size, name, volume, folder, rules, longer);
    if (status != xt::kStatusOk)
        xt::calls::DeleteFile(volume, folder, name);
    return status;
}

std::string bareName(const char* name)
{
    const std::string_view path(name);
    const size_t separator = path.find_last_of("\\/");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

/// Replaces an existing file without ever leaving it half-written: the record goes into a
/// sibling first, which takes the old file's name only once the old file is gone.
int16_t replaceFile(const void* record, size_t size, const char* name, int16_t volume, int32_t folder,
    const SettingsFileRules& rules)
{
    const std::string sibling = std::string(name) + kSiblingSuffix;
    int16_t status = xt::calls::CreateFile(volume, folder, sibling.c_str(), rules.creator, rules.type);
    if (status != xt::kStatusOk) {
        xt::calls::DeleteFile(volume, folder, sibling.c_str());
        status = xt::calls::CreateFile(volume, folder, sibling.c_str(), rules.creator, rules.type);
    }
    if (status != xt::kStatusOk) {
        warn(rules, SettingsProblem::Creating);
        return status;
    }
    status = fillNewFile(record, size, sibling.c_str(), volume, folder, rules);
    if (status != xt::kStatusOk)
        return status;
    status = xt::calls::DeleteFile(volume, folder, name);
    if (status != xt::kStatusOk) {
        xt::calls::DeleteFile(volume, folder, sibling.c_str());
        warn(rules, SettingsProblem::Creating);
        return status;
    }
    status = xt::calls::ToolboxOp2012(volume, folder, sibling.c_str(), bareName(name).c_str());
    if (status != xt::kStatusOk)
        warn(rules, SettingsProblem::Creating);
    return status;
}

} // namespace

void warn(const SettingsFileRules& rules, SettingsProblem problem)
{
    if (rules.warn)
        rules.warn(problem);
}

int16_t readRecordFile(unsigned char* buffer, size_t size, const char* name, int16_t volume, int32_t folder,
    const SettingsFileRules& rules)
{
    if (!name)
        return kStatusNoFileName;
    xt::FileRef file = 0;
    const int16_t opened = xt::calls::OpenFile(volume, folder, name, kReadWrite, &file);
    if (opened != xt::kStatusOk) {
        if (!isQuietWhenMissing(name))
            warn(rules, SettingsProblem::Loading);
        return opened;
    }
    // One byte more than a record, so that a longer file shows itself.
    int32_t count = static_cast<int32_t>(size + 1);
    int16_t read = xt::calls::ReadFile(file, &count, buffer);
    if (read == xt::kStatusEndOfFile)
        read = xt::kStatusOk;
    if (read == xt::kStatusOk && count != static_cast<int32_t>(size))
        read = kStatusIncompleteRecord;
    const int16_t closed = xt::calls::CloseFile(file);
    const int16_t status = read != xt::kStatusOk ? read : closed;
    if (status != xt::kStatusOk)
        warn(rules, SettingsProblem::Loading);
    return status;
}

int16_t createRecordFile(const void* record, size_t size, const char* name, int16_t volume, int32_t folder,
    const SettingsFileRules& rules)
{
    if (!name)
        return kStatusNoFileName;
    if (xt::calls::CreateFile(volume, folder, name, rules.creator, rules.type) == xt::kStatusOk)
        return fillNewFile(record, size, name, volume, folder, rules);
    return replaceFile(record, size, name, volume, folder, rules);
}

int16_t writeRecordFile(const void* record, size_t size, const char* name, int16_t volume, int32_t folder,
    const SettingsFileRules& rules)
{
    if (!name)
        return kStatusNoFileName;
    bool longer = false;
    const int16_t status = writeOver(record, size, name, volume, folder, rules, longer);
    if (status != xt::kStatusOk || !longer)
        return status;
    // The old content ran on past the record, which a reader would refuse: the file is made anew.
    return replaceFile(record, size, name, volume, folder, rules);
}

} // namespace foundation::detail
