// Reading and writing the Dotwise settings file, and reading the document's settings block.
#include "dotwise/settings/settings_file.h"

#include <cstring>

#include "dotwise/resources/dotwise_id.h"
#include "foundation/binding/binding.h"
#include "foundation/document/data_blocks.h"
#include "foundation/text/text_helpers.h"
#include "win32/windows.h"
#include "xtapi/status.h"

namespace dotwise {
namespace {

constexpr int16_t kRead = 1;
constexpr int16_t kReadWrite = 3;
constexpr UINT kSystemDirectorySize = 512;
constexpr char kSiblingSuffix[] = "~";
constexpr char kSaveFailed[] = "Sorry, the Dotwise settings could not be saved.";
constexpr char kDamagedFile[] = "The Dotwise settings file is damaged: the settings in use stay as they were.";

int16_t readWholeRecord(xt::FileRef file, ListSettings& settings)
{
    unsigned char buffer[kListSettingsSize + 1] = {};
    int32_t count = sizeof buffer;
    const int16_t status = xt::calls::ReadFile(file, &count, buffer);
    if (status != xt::kStatusOk && status != xt::kStatusEndOfFile)
        return status;
    if (!listSettingsFromBytes(buffer, static_cast<size_t>(count), settings))
        return kStatusShortRecord;
    return xt::kStatusOk;
}

int16_t writeNewFile(const std::string& path, const ListSettings& settings)
{
    xt::calls::DeleteFile(0, 0, path.c_str());
    int16_t status = xt::calls::CreateFile(0, 0, path.c_str(), kSettingsCreator, kSettingsType);
    if (status != xt::kStatusOk)
        return status;
    xt::FileRef file = 0;
    status = xt::calls::OpenFile(0, 0, path.c_str(), kReadWrite, &file);
    if (status == xt::kStatusOk && file == 0)
        status = kStatusShortRecord;
    if (status != xt::kStatusOk) {
        xt::calls::DeleteFile(0, 0, path.c_str());
        return status;
    }
    int32_t count = static_cast<int32_t>(kListSettingsSize);
    status = xt::calls::WriteFile(file, &count, &settings);
    if (status == xt::kStatusOk && count != static_cast<int32_t>(kListSettingsSize))
        status = kStatusShortRecord;
    const int16_t closed = xt::calls::CloseFile(file);
    if (status == xt::kStatusOk)
        status = closed;
    if (status != xt::kStatusOk)
        xt::calls::DeleteFile(0, 0, path.c_str());
    return status;
}

std::string bareName(const std::string& path)
{
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

} // namespace

std::string settingsFilePath()
{
    char directory[kSystemDirectorySize] = {};
    const UINT length = GetSystemDirectoryA(directory, kSystemDirectorySize);
    if (length == 0 || length >= kSystemDirectorySize)
        directory[0] = 0;
    return std::string(directory) + kSettingsFileName;
}

int16_t LoadListSettingsFile(ListSettings& settings)
{
    const std::string path = settingsFilePath();
    xt::FileRef file = 0;
    const int16_t opened = xt::calls::OpenFile(0, 0, path.c_str(), kRead, &file);
    if (opened != xt::kStatusOk)
        return opened;
    if (file == 0)
        return kStatusShortRecord;
    ListSettings read = settings;
    const int16_t status = readWholeRecord(file, read);
    xt::calls::CloseFile(file);
    if (status == xt::kStatusOk)
        settings = read;
    if (status == kStatusShortRecord)
        foundation::WarningBox(kDamagedFile);
    return status;
}

int16_t SaveListSettings(const ListSettings& settings)
{
    const std::string path = settingsFilePath();
    const std::string sibling = path + kSiblingSuffix;
    int16_t status = writeNewFile(sibling, settings);
    if (status == xt::kStatusOk) {
        xt::calls::DeleteFile(0, 0, path.c_str());
        status = xt::calls::ToolboxOp2012(0, 0, sibling.c_str(), bareName(path).c_str());
    }
    if (status != xt::kStatusOk)
        foundation::WarningBox(kSaveFailed);
    return status;
}

void LoadListSettings(ListSettings& settings)
{
    // A settings block the current document carries comes before the settings file.
    if (xt::Handle block = foundation::GetXtData(0, foundation::XtDataDocument, kDotwiseId)) {
        const int32_t size = xt::calls::GetHandleSize(block);
        const bool taken = size > 0 && listSettingsFromBytes(*block, static_cast<size_t>(size), settings);
        xt::calls::DisposeHandle(block);
        if (taken)
            return;
    }
    LoadListSettingsFile(settings);
}

} // namespace dotwise
