// Records a fault-sweep run from inside layout-host, so the sweep can judge it without parsing the console.
#include "host/app/sweep_probe.h"

#include <charconv>
#include <fstream>

#include <nlohmann/json.hpp>

#include "host/app/documents_text.h"
#include "host/host.h"

namespace host::app {

std::optional<FailCall> parseFailCall(std::string_view text)
{
    const size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return std::nullopt;
    const std::string_view digits = text.substr(colon + 1);
    int32_t nth = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), nth);
    if (error != std::errc() || end != digits.data() + digits.size() || nth < 1)
        return std::nullopt;
    return FailCall{std::string(text.substr(0, colon)), nth};
}

SweepProbe::SweepProbe(Host& host, std::optional<FailCall> plan) : m_host(host), m_plan(std::move(plan))
{
    if (m_plan)
        m_host.faults().failNth(m_plan->name, m_plan->nth);
}

void SweepProbe::scriptStarting()
{
    m_before = documentsText();
    m_noticesBefore = userNotices();
    if (struck())
        m_strike = Strike{kBeforeScriptLine, false, false, {}, {}};
}

void SweepProbe::commandDone(const Command& command, bool failed)
{
    const std::string after = documentsText();
    const size_t notices = userNotices();
    m_snapshots.emplace_back(command.line, after);
    if (!m_strike && struck())
        m_strike = Strike{command.line, failed, notices > m_noticesBefore, m_before, after};
    m_before = after;
    m_noticesBefore = notices;
}

bool SweepProbe::struck() const
{
    return m_plan && m_host.faults().callCount(m_plan->name) >= m_plan->nth;
}

size_t SweepProbe::userNotices() const
{
    return m_host.messageBoxes().size() + m_host.errorReports().size() + m_host.beeps().size();
}

std::string SweepProbe::documentsText() const
{
    return app::documentsText(m_host);
}

nlohmann::json SweepProbe::report(int exitStatus) const
{
    nlohmann::json out;
    out["exitStatus"] = exitStatus;
    out["calls"] = nlohmann::json::object();
    for (const auto& [name, count] : m_host.faults().calls())
        out["calls"][name] = count;
    out["snapshots"] = nlohmann::json::array();
    for (const auto& [line, text] : m_snapshots)
        out["snapshots"].push_back({{"line", line}, {"documents", text}});
    if (!m_plan)
        return out;
    out["failCall"] = {{"name", m_plan->name}, {"nth", m_plan->nth}};
    std::optional<Strike> strike = m_strike;
    if (!strike && struck())
        strike = Strike{kAfterScriptLine, false, false, {}, {}};
    if (!strike)
        return out;
    out["strike"] = {{"line", strike->line}, {"commandFailed", strike->commandFailed},
        {"messageShown", strike->messageShown}, {"before", strike->before}, {"after", strike->after}};
    return out;
}

bool SweepProbe::writeReport(const std::filesystem::path& file, int exitStatus) const
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << report(exitStatus).dump(1) << "\n";
    out.flush();
    return static_cast<bool>(out);
}

} // namespace host::app
