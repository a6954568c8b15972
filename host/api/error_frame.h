// The host's error frame: the status a plug-in sets, and the codes it reports.
#pragma once

#include <cstdint>
#include <vector>

namespace host::api {

class ErrorFrame {
public:
    /// SetErrorStatus: (0, 0) opens a frame; any code becomes the frame's current status.
    void setStatus(int32_t code)
    {
        m_open = true;
        m_status = code;
    }
    /// ReportErrorStatus: the current status goes to the report log.
    void report() { m_reports.push_back(m_status); }
    /// EndErrorScope: closes the frame; the status is cleared.
    void end()
    {
        m_lastStatus = m_status;
        m_open = false;
        m_status = 0;
    }

    bool open() const { return m_open; }
    int32_t status() const { return m_status; }
    /// The status the last closed frame ended with (reported or not).
    int32_t lastStatus() const { return m_lastStatus; }
    const std::vector<int32_t>& reports() const { return m_reports; }

private:
    bool m_open = false;
    int32_t m_status = 0;
    int32_t m_lastStatus = 0;
    std::vector<int32_t> m_reports;
};

} // namespace host::api
