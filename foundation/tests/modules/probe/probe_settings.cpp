// The probe's fixed-size settings record and its file: read with its size checked, written whole.
#include "foundation/tests/modules/probe/probe_settings.h"

#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"
#include "xtapi/status.h"

namespace probe {

namespace {

constexpr int16_t kReadWrite = 3;
constexpr xt::FourLetterCode kCreator = 0x01524242;
constexpr int16_t kDamaged = xt::kStatusEndOfFile;

ProbeSettings g_working{{'P', 'R', 'B', '1'}, 0, "factory"};
HookCounts g_hooks;

ProbeSettings* target(void* record)
{
    return record ? static_cast<ProbeSettings*>(record) : &g_working;
}

/// Reads the whole record or nothing: a short or foreign file leaves the record as it was.
int16_t readRecord(xt::FileRef file, ProbeSettings& into)
{
    ProbeSettings read{};
    int32_t count = sizeof read;
    const int16_t status = xt::calls::ReadFile(file, &count, &read);
    if ((status != 0 && status != xt::kStatusEndOfFile) || count != static_cast<int32_t>(sizeof read))
        return kDamaged;
    if (std::memcmp(read.tag, kProbeSettingsTag, sizeof read.tag) != 0)
        return kDamaged;
    if (status == 0) {
        // One byte more than the record means the file is not one of ours either.
        char extra = 0;
        int32_t more = 1;
        if (xt::calls::ReadFile(file, &more, &extra) == 0 && more > 0)
            return kDamaged;
    }
    into = read;
    return 0;
}

int16_t writeRecord(xt::FileRef file, const ProbeSettings& record)
{
    int32_t count = sizeof record;
    const int16_t status = xt::calls::WriteFile(file, &count, &record);
    if (status != 0)
        return status;
    return count == static_cast<int32_t>(sizeof record) ? 0 : kDamaged;
}

int16_t writeExisting(void* record, const char* path)
{
    xt::FileRef file = 0;
    const int16_t opened = xt::calls::OpenFile(0, 0, path, kReadWrite, &file);
    if (opened != 0) {
        foundation::WarningBox("Sorry, problems saving settings!");
        return opened;
    }
    const int16_t written = writeRecord(file, *target(record));
    const int16_t closed = xt::calls::CloseFile(file);
    if (written != 0 || closed != 0) {
        foundation::WarningBox("Sorry, problems saving settings!");
        return written != 0 ? written : closed;
    }
    return 0;
}

} // namespace

ProbeSettings* workingSettings()
{
    return &g_working;
}

HookCounts* hookCounts()
{
    return &g_hooks;
}

int16_t readSettingsFile(void* record, const char* path)
{
    xt::FileRef file = 0;
    const int16_t opened = xt::calls::OpenFile(0, 0, path, kReadWrite, &file);
    if (opened != 0) {
        if (!foundation::ContainsString(path, "Default"))
            foundation::WarningBox("Sorry, problems loading settings!");
        return opened;
    }
    const int16_t read = readRecord(file, *target(record));
    xt::calls::CloseFile(file);
    if (read != 0)
        foundation::WarningBox("Sorry, problems loading settings!");
    return read;
}

int16_t writeSettingsFile(void* record, const char* path)
{
    return writeExisting(record, path);
}

int16_t createSettingsFile(void* record, const char* path)
{
    int16_t created = xt::calls::CreateFile(0, 0, path, kCreator, xt::kFileTypePreferences);
    if (created != 0) {
        xt::calls::DeleteFile(0, 0, path);
        created = xt::calls::CreateFile(0, 0, path, kCreator, xt::kFileTypePreferences);
    }
    if (created != 0) {
        foundation::WarningBox("Sorry, couldn't save settings!");
        return created;
    }
    const int16_t written = writeExisting(record, path);
    if (written != 0)
        xt::calls::DeleteFile(0, 0, path);
    return written;
}

void countScan()
{
    ++g_hooks.afterScan;
}

void countSaveOrRename()
{
    ++g_hooks.afterSaveOrRename;
}

void countDeleteOrRefusedSave()
{
    ++g_hooks.afterDeleteOrRefusedSave;
}

} // namespace probe
