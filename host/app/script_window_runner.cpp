// Running the window commands: idle time, chooser answers, what the choosers showed, a window's drawing and a
// palette's size.
#include "host/app/script_runner.h"

#include <cstdint>

#include "host/app/page_svg.h"
#include "host/app/window_svg.h"
#include "host/host.h"
#include "host/host_context.h"
#include "host/ui/dialog_runner.h"
#include "win32/standin.h"

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

/// The handle a plug-in draws into for a window: the platform handle the host hands out for its own windows,
/// or a window the plug-in made through Windows; null when no open window has the title.
HWND windowTitled(ui::WindowManager& windows, const std::string& title)
{
    if (const ui::Window* window = windows.findByTitle(title))
        return reinterpret_cast<HWND>(static_cast<intptr_t>(window->ref()));
    HWND newest = nullptr;
    for (HWND handle : win32::openWindows()) {
        const win32::WindowState* state = win32::windowState(handle);
        if (state && state->title == title)
            newest = handle;
    }
    return newest;
}

} // namespace

ScriptRunner::Failure ScriptRunner::execute(const DrawWindowCommand& command)
{
    const HWND window = windowTitled(m_host.windows(), command.title);
    if (!window)
        return "draw window: no open window is titled \"" + command.title + "\"";
    const auto& shapes = win32::windowDrawing(window);
    if (auto problem = writeSvgFile(resolve(command.path), drawWindowSvg(shapes)))
        return "draw window: " + *problem;
    m_out << "[window] drew \"" << command.title << "\" as \"" << command.path << "\": " << shapes.size()
          << (shapes.size() == 1 ? " shape" : " shapes") << "\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const PaletteSizeCommand& command)
{
    const auto palettes = m_host.windows().windowsOfKind(ui::WindowKind::Palette);
    if (palettes.empty())
        return std::string("palette size: no palette is open");
    const std::string title = palettes.back()->title();
    const auto resized = ui::resizePalette(palettes.back()->ref(), command.width, command.height);
    if (const auto* why = std::get_if<std::string>(&resized))
        return "palette size: " + *why;
    const auto& size = std::get<xt::PaletteProposedSize>(resized);
    m_out << "[window] \"" << title << "\" sized " << size.width << " x " << size.height << "\n";
    return std::nullopt;
}

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
