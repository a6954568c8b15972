// A plug-in's settings file: one fixed-size record, kept on disk as it lies in memory. A file is taken
// only when it holds exactly one record, so a short, long or damaged file leaves the record as it was.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "xtapi/types.h"

namespace foundation {

/// What went wrong, for the message the user sees.
enum class SettingsProblem : uint8_t {
    Loading,   // a file could not be opened or read, or did not hold one record
    Saving,    // an existing file could not be written
    Creating,  // a new file could not be made
};

/// What makes one plug-in's settings files its own.
struct SettingsFileRules {
    xt::FourLetterCode creator = 0;
    xt::FourLetterCode type = xt::kFileTypePreferences;
    /// Tells the user; each failure is told once.
    void (*warn)(SettingsProblem problem) = nullptr;
};

/// The file held more or fewer bytes than one record, took fewer than one, or was refused as damaged.
inline constexpr int16_t kStatusIncompleteRecord = -1;
/// No file name was given.
inline constexpr int16_t kStatusNoFileName = -37;

namespace detail {

/// Reads the file into `buffer`, which holds `size` + 1 bytes, so that a longer file shows itself.
/// 0 only when the file held exactly `size` bytes.
int16_t readRecordFile(unsigned char* buffer, size_t size, const char* name, int16_t volume, int32_t folder,
    const SettingsFileRules& rules);
int16_t createRecordFile(const void* record, size_t size, const char* name, int16_t volume, int32_t folder,
    const SettingsFileRules& rules);
int16_t writeRecordFile(const void* record, size_t size, const char* name, int16_t volume, int32_t folder,
    const SettingsFileRules& rules);
void warn(const SettingsFileRules& rules, SettingsProblem problem);

} // namespace detail

template <class Record>
class SettingsFile {
    static_assert(std::is_trivially_copyable_v<Record>, "a settings record is stored as it lies in memory");

public:
    using Working = Record& (*)();
    /// Looks over a record read whole before it is taken: may put fields out of their range back to
    /// their defaults; false refuses the file as damaged.
    using Settle = bool (*)(Record& record);

    constexpr SettingsFile(SettingsFileRules rules, Working workingRecord, Settle settle = nullptr)
        : m_rules(rules), m_working(workingRecord), m_settle(settle)
    {
    }

    static constexpr size_t recordSize = sizeof(Record);

    /// The working record: what a null record stands for.
    Record& working() const { return m_working(); }

    /// Reads the file into `record` (the working record when null). On any failure the record is
    /// unchanged and the user is told, except when a file whose name contains "Default" does not open.
    /// Returns 0 or the failing status.
    int16_t read(Record* record, const char* name, int16_t volume = 0, int32_t folder = 0) const
    {
        std::array<unsigned char, sizeof(Record) + 1> buffer{};
        const int16_t status = detail::readRecordFile(buffer.data(), sizeof(Record), name, volume, folder, m_rules);
        if (status != 0)
            return status;
        Record scratch;
        std::memcpy(&scratch, buffer.data(), sizeof scratch);
        if (m_settle && !m_settle(scratch)) {
            detail::warn(m_rules, SettingsProblem::Loading);
            return kStatusIncompleteRecord;
        }
        *(record ? record : &m_working()) = scratch;
        return 0;
    }

    /// Creates the file (replacing one that is in the way, never leaving it half-written) and writes
    /// `record` (the working record when null). Returns 0 or the failing status, after telling the user.
    int16_t create(const Record* record, const char* name, int16_t volume = 0, int32_t folder = 0) const
    {
        return detail::createRecordFile(source(record), sizeof(Record), name, volume, folder, m_rules);
    }

    /// Writes `record` (the working record when null) over an existing file, which keeps its creator
    /// and type and ends after the record. Returns 0 or the failing status, after telling the user.
    int16_t write(const Record* record, const char* name, int16_t volume = 0, int32_t folder = 0) const
    {
        return detail::writeRecordFile(source(record), sizeof(Record), name, volume, folder, m_rules);
    }

private:
    const Record* source(const Record* record) const { return record ? record : &m_working(); }

    SettingsFileRules m_rules;
    Working m_working;
    Settle m_settle;
};

} // namespace foundation
