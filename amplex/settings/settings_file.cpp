// Reading, creating and rewriting Amplex settings files through the host's file operations.
#include "amplex/settings/settings_file.h"

#include <cstring>
#include <string>
#include <string_view>

#include "amplex/engine/common/scale_warning.h"
#include "amplex/resources/strings.h"
#include "foundation/binding/binding.h"
#include "xtapi/status.h"

namespace amplex {
namespace {

constexpr int16_t kReadWrite = 3;
constexpr int32_t kRecordSize = static_cast<int32_t>(kScaleSettingsSize);
/// Names no preset: the folder scan looks for "*.prf" only.
constexpr const char* kSiblingSuffix = "~";

void warn(int32_t stringId)
{
    const std::string text = loadAmplexString(stringId);
    ShowScaleWarning(text.c_str());
}

/// A missing "Default" preset is normal: the user has not made one yet.
bool isQuietWhenMissing(const char* name)
{
    return std::string_view(name).find("Default") != std::string_view::npos;
}

/// Reads one byte more than a record, so that a longer file shows itself.
int16_t readWholeRecord(xt::FileRef file, ScaleSettings& scratch)
{
    unsigned char buffer[kScaleSettingsSize + 1] = {};
    int32_t count = sizeof buffer;
    const int16_t status = xt::calls::ReadFile(file, &count, buffer);
    if (status != xt::kStatusOk && status != xt::kStatusEndOfFile)
        return status;
    if (count != kRecordSize)
        return kStatusIncompleteRecord;
    std::memcpy(&scratch, buffer, kScaleSettingsSize);
    return xt::kStatusOk;
}

int16_t writeWholeRecord(xt::FileRef file, const ScaleSettings& record)
{
    int32_t count = kRecordSize;
    const int16_t status = xt::calls::WriteFile(file, &count, &record);
    if (status != xt::kStatusOk)
        return status;
    return count == kRecordSize ? xt::kStatusOk : kStatusIncompleteRecord;
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
int16_t writeOver(const ScaleSettings& record, const char* name, int16_t volume, int32_t folder, bool& longer)
{
    xt::FileRef file = 0;
    const int16_t opened = xt::calls::OpenFile(volume, folder, name, kReadWrite, &file);
    if (opened != xt::kStatusOk) {
        warn(StringSaveFailed);
        return opened;
    }
    const int16_t written = writeWholeRecord(file, record);
    longer = written == xt::kStatusOk && goesOnPastRecord(file);
    const int16_t closed = xt::calls::CloseFile(file);
    const int16_t status = written != xt::kStatusOk ? written : closed;
    if (status != xt::kStatusOk)
        warn(StringSaveFailed);
    return status;
}

/// Puts the record into a file just created; a file that could not be filled is removed again.
int16_t fillNewFile(const ScaleSettings& record, const char* name, int16_t volume, int32_t folder)
{
    bool longer = false;
    const int16_t status = writeOver(record, name, volume, folder, longer);
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
int16_t replaceFile(const ScaleSettings& record, const char* name, int16_t volume, int32_t folder)
{
    const std::string sibling = std::string(name) + kSiblingSuffix;
    int16_t status = xt::calls::CreateFile(volume, folder, sibling.c_str(), kSettingsCreator, kSettingsType);
    if (status != xt::kStatusOk) {
        xt::calls::DeleteFile(volume, folder, sibling.c_str());
        status = xt::calls::CreateFile(volume, folder, sibling.c_str(), kSettingsCreator, kSettingsType);
    }
    if (status != xt::kStatusOk) {
        warn(StringCreateFailed);
        return status;
    }
    status = fillNewFile(record, sibling.c_str(), volume, folder);
    if (status != xt::kStatusOk)
        return status;
    status = xt::calls::DeleteFile(volume, folder, name);
    if (status != xt::kStatusOk) {
        xt::calls::DeleteFile(volume, folder, sibling.c_str());
        warn(StringCreateFailed);
        return status;
    }
    status = xt::calls::ToolboxOp2012(volume, folder, sibling.c_str(), bareName(name).c_str());
    if (status != xt::kStatusOk)
        warn(StringCreateFailed);
    return status;
}

} // namespace

int16_t ReadSettingsFile(ScaleSettings* record, const char* name, int16_t volume, int32_t folder)
{
    if (!name)
        return kStatusNoFileName;
    xt::FileRef file = 0;
    const int16_t opened = xt::calls::OpenFile(volume, folder, name, kReadWrite, &file);
    if (opened != xt::kStatusOk) {
        if (!isQuietWhenMissing(name))
            warn(StringLoadFailed);
        return opened;
    }
    ScaleSettings scratch{};
    const int16_t read = readWholeRecord(file, scratch);
    const int16_t closed = xt::calls::CloseFile(file);
    const int16_t status = read != xt::kStatusOk ? read : closed;
    if (status != xt::kStatusOk) {
        warn(StringLoadFailed);
        return status;
    }
    resetFieldsOutOfRange(scratch);
    *(record ? record : &currentSettings()) = scratch;
    return xt::kStatusOk;
}

int16_t CreateSettingsFile(const ScaleSettings* record, const char* name, int16_t volume, int32_t folder)
{
    if (!name)
        return kStatusNoFileName;
    const ScaleSettings& source = record ? *record : currentSettings();
    if (xt::calls::CreateFile(volume, folder, name, kSettingsCreator, kSettingsType) == xt::kStatusOk)
        return fillNewFile(source, name, volume, folder);
    return replaceFile(source, name, volume, folder);
}

int16_t WriteSettingsFile(const ScaleSettings* record, const char* name, int16_t volume, int32_t folder)
{
    if (!name)
        return kStatusNoFileName;
    const ScaleSettings& source = record ? *record : currentSettings();
    bool longer = false;
    const int16_t status = writeOver(source, name, volume, folder, longer);
    if (status != xt::kStatusOk || !longer)
        return status;
    // The old content ran on past the record, which a reader would refuse: the file is made anew.
    return replaceFile(source, name, volume, folder);
}

} // namespace amplex
