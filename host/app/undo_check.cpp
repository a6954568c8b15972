// Undo and Redo checked after every step a session makes: the documents before and after, byte for byte.
#include "host/app/undo_check.h"

#include <fstream>

#include <nlohmann/json.hpp>

#include "host/app/documents_text.h"
#include "host/host.h"
#include "host/ui/dialog_runner.h"

namespace host::app {
namespace {

std::string verdict(bool refused, const std::string& differs)
{
    return refused ? "refused" : differs.empty() ? "same" : "differs at " + differs;
}

} // namespace

UndoCheck::UndoCheck(Host& host) : m_host(host)
{
    model::UndoSteps& steps = m_host.documents().undoSteps();
    m_commits = steps.commitCount();
    steps.watchOpenings([this] { m_openings.emplace_back(m_host.documents().undoSteps().commitCount(), documentsText(m_host)); });
}

UndoCheck::~UndoCheck()
{
    m_host.documents().undoSteps().watchOpenings(nullptr);
}

void UndoCheck::commandDone(const Command& command, bool failed)
{
    const uint64_t commits = m_host.documents().undoSteps().commitCount();
    const bool madeStep = commits != m_commits;
    m_commits = commits;
    // The step committed last opened after every commit before it: the last opening at that count.
    std::string before;
    bool found = false;
    for (auto it = m_openings.rbegin(); it != m_openings.rend() && !found; ++it) {
        if (it->first + 1 == commits) {
            before = it->second;
            found = true;
        }
    }
    m_openings.clear();
    if (!madeStep || !found || failed || m_host.undoText().empty())
        return;
    Checked check;
    check.line = command.line;
    check.step = m_host.undoText();
    const std::string after = documentsText(m_host);
    check.undoRefused = !m_host.undo();
    ui::notifySelectionChanged();
    check.undoDiffers = check.undoRefused ? std::string() : firstDifference(before, documentsText(m_host));
    if (!check.undoRefused) {
        check.redoRefused = !m_host.redo();
        ui::notifySelectionChanged();
        check.redoDiffers = check.redoRefused ? std::string() : firstDifference(after, documentsText(m_host));
    }
    // Redo leaves a step on the stack again; what the session does next is measured from here.
    m_commits = m_host.documents().undoSteps().commitCount();
    m_openings.clear();
    m_checked.push_back(std::move(check));
}

nlohmann::json UndoCheck::report() const
{
    nlohmann::json steps = nlohmann::json::array();
    for (const Checked& check : m_checked) {
        steps.push_back({{"line", check.line}, {"step", check.step}, {"undo", verdict(check.undoRefused, check.undoDiffers)},
            {"redo", verdict(check.redoRefused, check.redoDiffers)}});
    }
    return {{"steps", steps}};
}

bool UndoCheck::writeReport(const std::filesystem::path& file) const
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << report().dump(1) << "\n";
    out.flush();
    return static_cast<bool>(out);
}

} // namespace host::app
