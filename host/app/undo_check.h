// The undo check of a session (layout-host --undo-report): after each command that made an undo step, Undo
// must give back the documents exactly as they were before the step opened, and Redo exactly as the command
// left them. The check undoes and redoes on the spot, then the session goes on.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "host/app/script.h"

namespace host {
class Host;
}

namespace host::app {

class UndoCheck {
public:
    explicit UndoCheck(Host& host);
    ~UndoCheck();
    UndoCheck(const UndoCheck&) = delete;
    UndoCheck& operator=(const UndoCheck&) = delete;

    /// After each command: checks the step it made, if it made one.
    void commandDone(const Command& command, bool failed);

    struct Checked {
        int line = 0;
        std::string step;       // the Edit menu's text, "Undo Amplex"
        std::string undoDiffers; // where the undone documents first differ from before the step; "" when equal
        std::string redoDiffers; // likewise the redone documents from after the command
        bool undoRefused = false;
        bool redoRefused = false;
    };
    const std::vector<Checked>& checked() const { return m_checked; }

    /// {"steps": [{"line", "step", "undo", "redo"}...]}: "same", "refused" or where the documents differ.
    nlohmann::json report() const;
    bool writeReport(const std::filesystem::path& file) const;

private:
    Host& m_host;
    uint64_t m_commits = 0;
    /// The documents as each outermost step opened, with the number of commits made by then.
    std::vector<std::pair<uint64_t, std::string>> m_openings;
    std::vector<Checked> m_checked;
};

} // namespace host::app
