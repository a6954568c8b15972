// What a fault-sweep run of layout-host records: the planned failure, where it struck, and the documents around it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "host/app/script.h"

namespace host {
class Host;
}

namespace host::app {

/// `--fail-call NAME:N`: the N-th call (from 1) of the named host operation fails.
struct FailCall {
    std::string name;
    int32_t nth = 0;
};

/// "NewHandle:3" -> {NewHandle, 3}; nullopt for a missing name, a missing or non-positive number.
std::optional<FailCall> parseFailCall(std::string_view text);

/// The line given to a failure that struck while the plug-ins loaded, and one that struck after the script.
inline constexpr int kBeforeScriptLine = 0;
inline constexpr int kAfterScriptLine = -1;

/// Watches one session: arms the planned failure, snapshots the documents after every command and notes
/// the command during which the failure struck, whether it told the user, and the documents before and after.
class SweepProbe {
public:
    SweepProbe(Host& host, std::optional<FailCall> plan);

    /// Call once the plug-ins are loaded and the session started, before the first command.
    void scriptStarting();
    void commandDone(const Command& command, bool failed);
    /// The report as JSON: the call counts, a snapshot per command and the failure's place.
    nlohmann::json report(int exitStatus) const;
    bool writeReport(const std::filesystem::path& file, int exitStatus) const;

private:
    struct Strike {
        int line = kBeforeScriptLine;
        bool commandFailed = false;
        bool messageShown = false;
        std::string before;
        std::string after;
    };

    bool struck() const;
    size_t userNotices() const;
    std::string documentsText() const;

    Host& m_host;
    std::optional<FailCall> m_plan;
    std::optional<Strike> m_strike;
    std::string m_before;
    size_t m_noticesBefore = 0;
    std::vector<std::pair<int, std::string>> m_snapshots;
};

} // namespace host::app
