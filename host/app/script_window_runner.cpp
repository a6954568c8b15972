// Running the window commands: idle time, chooser answers, and what the choosers showed.
#include "host/app/script_runner.h"

#include "host/host.h"
#include "host/host_context.h"

namespace host::app {
namespace {

std::string chooserTitle(const ui::ChooserRecord& record)
{
    return "the " + record.what + " chooser \"" + record.prompt + "\"";
}

std::string answerWords(const ui::ChooserKind kind)
{
    return std::string("answer ") + ui::chooserKindName(kind);
}

} // namespace

ScriptRunner::Failure ScriptRunner::execute(const IdleCommand& command)
{
    for (int round = 0; round < command.rounds; ++round)
        m_host.idle();
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const ChooserAnswerCommand& command)
{
    ui::ChooserAnswer answer;
    answer.kind = command.kind;
    answer.shown = command.name;
    answer.cancel = command.cancel;
    answer.scriptLine = m_line;
    if (!command.cancel)
        answer.value = command.kind == ui::ChooserKind::Colour ? command.name : resolve(command.name).string();
    m_host.windows().chooserUser().queue(std::move(answer));
    return std::nullopt;
}

void ScriptRunner::showNewChoosers()
{
    const auto& log = m_host.windows().chooserUser().log();
    for (; m_choosersShown < log.size(); ++m_choosersShown) {
        const ui::ChooserRecord& record = log[m_choosersShown];
        std::string line = "[chooser] " + record.what + " \"" + record.prompt + "\" -> ";
        if (!record.answer)
            line += "Cancel (no answer)";
        else if (record.problem)
            line += "Cancel (" + record.answer->shown + " refused)";
        else
            line += record.answer->shown;
        m_out << line << "\n";
    }
}

ScriptRunner::Failure ScriptRunner::chooserTrouble()
{
    const auto& log = m_host.windows().chooserUser().log();
    Failure trouble;
    for (; m_choosersChecked < log.size(); ++m_choosersChecked) {
        const ui::ChooserRecord& record = log[m_choosersChecked];
        if (trouble)
            continue;
        if (record.unexpected) {
            const auto kind = record.what == "colour" ? ui::ChooserKind::Colour : ui::ChooserKind::File;
            trouble = chooserTitle(record) + " was not expected: no \"" + answerWords(kind) + "\" was queued, so the host cancelled it";
        } else if (record.problem) {
            trouble = chooserTitle(record) + ": " + *record.problem;
        }
    }
    return trouble;
}

std::optional<ScriptError> ScriptRunner::unusedChooserAnswer() const
{
    const auto& answers = m_host.windows().chooserUser().answers();
    if (answers.empty())
        return std::nullopt;
    const ui::ChooserAnswer& first = answers.front();
    return ScriptError{first.scriptLine, "the " + std::string(ui::chooserKindName(first.kind))
            + " answer was never used: no chooser asked for it (" + std::to_string(answers.size()) + " unused)"};
}

} // namespace host::app
