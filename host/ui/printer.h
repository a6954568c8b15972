// The printer: a print job a plug-in starts waits until the session says it is printed or cancelled,
// and the host tells the plug-ins when printing has ended.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "xtapi/types.h"

namespace host::ui {

/// What a job prints: the layout as it stood when the job started.
struct PrintJob {
    xt::DocumentRef document = 0;
    std::string name;
    size_t pages = 0;
    size_t items = 0;
};

class Printer {
public:
    /// A job for the layout starts; one that was still waiting is replaced, as a spooler takes the newer.
    void start(PrintJob job) { m_job = std::move(job); }
    /// The waiting job ends (printed or cancelled) and is handed back; nullopt when none waits.
    std::optional<PrintJob> finish() { return std::exchange(m_job, std::nullopt); }
    bool busy() const { return m_job.has_value(); }

private:
    std::optional<PrintJob> m_job;
};

} // namespace host::ui
