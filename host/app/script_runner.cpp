// Runs a parsed session script: each command against the host, what the session shows printed as it happens.
#include "host/app/script_runner.h"

#include <cmath>
#include <variant>

#include "host/app/console_format.h"
#include "host/app/dialog_commands.h"
#include "host/app/page_svg.h"
#include "host/host.h"
#include "host/model/document_json.h"
#include "host/model/items/page_items.h"
#include "host/model/limits.h"
#include "host/ui/host_alert.h"
#include "host/model/spread_layout.h"
#include "host/ui/dialog_runner.h"

namespace host::app {
namespace {

ui::Button buttonFor(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return ui::Button::Ok;
    case Answer::Cancel:
        return ui::Button::Cancel;
    case Answer::Yes:
        return ui::Button::Yes;
    case Answer::No:
        return ui::Button::No;
    }
    return ui::Button::Ok;
}

xt::Fixed toFixed(double points)
{
    return static_cast<xt::Fixed>(std::lround(points * xt::kFixedOne));
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

} // namespace

ScriptRunner::ScriptRunner(Host& host, std::ostream& out, std::ostream& err, std::filesystem::path workDirectory)
    : m_host(host), m_out(out), m_err(err), m_workDirectory(std::move(workDirectory))
{
    // Whatever the host showed before the script (while loading plug-ins) is not the script's to report.
    m_boxesShown = m_host.messageBoxes().size();
    m_beepsShown = m_host.beeps().size();
    m_errorReportsShown = m_host.errorReports().size();
    m_dialogsShown = m_host.windows().dialogLog().entries().size();
    m_dialogsChecked = m_dialogsShown;
    m_choosersShown = m_host.windows().chooserUser().log().size();
    m_windowLinesShown = m_host.windows().windowLines().size();
    m_choosersChecked = m_choosersShown;
}

ExitStatus ScriptRunner::run(const Script& script, const std::string& scriptName)
{
    for (const Command& command : script.commands) {
        m_line = command.line;
        Failure failure = std::visit([this](const auto& action) { return execute(action); }, command.action);
        // The host has a moment of idle time after each thing the user does.
        m_host.idle();
        showNewEvents();
        if (!failure)
            failure = dialogTrouble();
        if (!failure)
            failure = chooserTrouble();
        if (!failure)
            failure = inputTrouble();
        if (m_commandDone)
            m_commandDone(command, failure.has_value());
        if (failure) {
            m_err << formatScriptError(scriptName, {command.line, *failure}) << "\n";
            return ExitStatus::Failed;
        }
    }
    if (const auto unused = unusedAnswer()) {
        m_err << formatScriptError(scriptName, *unused) << "\n";
        return ExitStatus::Failed;
    }
    if (const auto unused = unusedDialogAction()) {
        m_err << formatScriptError(scriptName, *unused) << "\n";
        return ExitStatus::Failed;
    }
    if (const auto unused = unusedChooserAnswer()) {
        m_err << formatScriptError(scriptName, *unused) << "\n";
        return ExitStatus::Failed;
    }
    return ExitStatus::Ok;
}

ScriptRunner::Failure ScriptRunner::execute(const NewDocumentCommand& command)
{
    model::NewDocumentOptions options;
    if (command.pages)
        options.pageCount = *command.pages;
    if (command.width && command.height)
        options.pageSize = {toFixed(*command.width), toFixed(*command.height)};
    const model::Layout& layout = m_host.newDocument(options);
    const model::Project* project = m_host.documents().projectOf(layout);
    m_out << "[document] new " << quoted(project ? project->name() : layout.name()) << ": "
          << describePages(layout) << "\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const OpenDocumentCommand& command)
{
    const model::OpenResult result = model::openDocument(resolve(command.path), m_host.documents());
    if (!result)
        return "open: " + result.error;
    m_out << "[document] opened " << quoted(command.path) << ": " << describeProject(*result.project) << "\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const SaveDocumentCommand& command)
{
    const model::Layout* layout = m_host.currentDocument();
    const model::Project* project = layout ? m_host.documents().projectOf(*layout) : nullptr;
    if (!project)
        return "save: no document is open";
    const model::SaveResult result = model::saveDocument(*project, resolve(command.path));
    if (!result)
        return "save: " + result.error;
    m_out << "[document] saved " << quoted(project->name()) << " as " << quoted(command.path) << "\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const ChooseMenuCommand& command)
{
    const std::string labels = command.title + " > " + command.item;
    if (m_host.chooseMenuItem(labels)) {
        // A command may change the selection; the host tells the palettes, which follow it.
        ui::notifySelectionChanged();
        return std::nullopt;
    }
    const auto place = m_host.menuBar().find(labels);
    if (!place)
        return "menu: there is no item " + quoted(labels);
    const ui::MenuItem* item = m_host.menuBar().item(*place);
    if (item && item->submenu != 0)
        return "menu: " + quoted(labels) + " opens a submenu; choose one of its items";
    if (place->behindDisabled)
        return "menu: " + quoted(labels) + " is behind a disabled item";
    return "menu: " + quoted(labels) + " is disabled";
}

ScriptRunner::Failure ScriptRunner::execute(const AnswerCommand& command)
{
    m_host.user().answer(buttonFor(command.answer));
    m_answerLines.push_back(m_line);
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const ListMenusCommand&)
{
    // As a user opening the menus sees them: the plug-ins enable and retitle their items first.
    m_host.updateMenus();
    for (const std::string& line : m_host.menuLines())
        m_out << line << "\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const ExpectMessageCommand& command)
{
    const auto& boxes = m_host.messageBoxes();
    if (boxes.empty())
        return "expect-message: no message box was shown; expected " + quoted(command.text);
    const std::string& last = boxes.back().text;
    if (last != command.text)
        return "expect-message: the last message was " + quoted(last) + ", not " + quoted(command.text);
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const EchoCommand& command)
{
    m_out << command.text << "\n";
    return std::nullopt;
}

std::optional<ScriptError> ScriptRunner::unusedAnswer() const
{
    // Boxes take answers in the order they were queued, so the unused ones are the last queued.
    const size_t pending = m_host.user().pending();
    if (pending == 0 || pending > m_answerLines.size())
        return std::nullopt;
    const int line = m_answerLines[m_answerLines.size() - pending];
    return ScriptError{line,
        "the answer was never used: no message box asked for it (" + std::to_string(pending) + " unused)"};
}

void ScriptRunner::showNewEvents()
{
    const auto& boxes = m_host.messageBoxes();
    for (; m_boxesShown < boxes.size(); ++m_boxesShown)
        m_out << formatMessageBox(boxes[m_boxesShown]) << "\n";
    const auto& beeps = m_host.beeps();
    for (; m_beepsShown < beeps.size(); ++m_beepsShown)
        m_out << "[beep]\n";
    const auto& dialogs = m_host.windows().dialogLog().entries();
    for (; m_dialogsShown < dialogs.size(); ++m_dialogsShown)
        m_out << formatDialog(dialogs[m_dialogsShown]);
    const auto& windowLines = m_host.windows().windowLines();
    for (; m_windowLinesShown < windowLines.size(); ++m_windowLinesShown)
        m_out << windowLines[m_windowLinesShown] << "\n";
    showNewChoosers();
    const auto& reports = m_host.errorReports();
    for (; m_errorReportsShown < reports.size(); ++m_errorReportsShown)
        m_out << "[error report] code " << reports[m_errorReportsShown] << "\n";
}

std::filesystem::path ScriptRunner::resolve(const std::string& path) const
{
    const std::filesystem::path given(path);
    return given.is_absolute() ? given : m_workDirectory / given;
}

ScriptRunner::Failure ScriptRunner::execute(const DialogCommand& command)
{
    m_host.windows().dialogUser().queue(toDialogAction(command));
    m_dialogActionLines.push_back(m_line);
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const PaletteCommand& command)
{
    const auto palettes = m_host.windows().windowsOfKind(ui::WindowKind::Palette);
    if (palettes.empty())
        return std::string("palette: no palette is open");
    if (auto problem = ui::actOnPalette(palettes.back()->ref(), toDialogAction(command.action)))
        return "palette: " + *problem;
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::dialogTrouble()
{
    const auto& dialogs = m_host.windows().dialogLog().entries();
    Failure trouble;
    for (; m_dialogsChecked < dialogs.size(); ++m_dialogsChecked) {
        if (!trouble)
            trouble = dialogFailure(dialogs[m_dialogsChecked]);
    }
    return trouble;
}

std::optional<ScriptError> ScriptRunner::unusedDialogAction() const
{
    const size_t pending = m_host.windows().dialogUser().pending();
    if (pending == 0 || pending > m_dialogActionLines.size())
        return std::nullopt;
    const int line = m_dialogActionLines[m_dialogActionLines.size() - pending];
    return ScriptError{line,
        "the dialog action was never used: no dialog took it (" + std::to_string(pending) + " unused)"};
}

ScriptRunner::Failure ScriptRunner::execute(const DrawPageCommand& command)
{
    const model::Layout* layout = m_host.currentDocument();
    if (!layout)
        return std::string("draw: no document is open");
    const size_t pages = layout->pageCount();
    if (command.page < 1 || static_cast<size_t>(command.page) > pages)
        return "draw: there is no page " + std::to_string(command.page) + "; the document has "
            + std::to_string(pages) + (pages == 1 ? " page" : " pages");
    if (auto problem = writeSvgFile(resolve(command.path), drawPageSvg(*layout, static_cast<size_t>(command.page - 1),
                                                             m_host.documents().guideColours())))
        return "draw: " + *problem;
    m_out << "[document] drew page " << command.page << " as " << quoted(command.path) << "\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const SelectAllCommand& command)
{
    model::Layout* layout = m_host.currentDocument();
    if (!layout)
        return std::string("select: no document is open");
    const size_t pages = layout->pageCount();
    if (command.page && static_cast<size_t>(*command.page) > pages)
        return "select: there is no page " + std::to_string(*command.page) + "; the document has "
            + std::to_string(pages) + (pages == 1 ? " page" : " pages");
    // As a user would: go to the page, then Select All, which takes the items no group holds and no text anchors.
    if (command.page)
        model::makeCurrent(*layout, {model::PageList::Document, static_cast<size_t>(*command.page - 1)});
    const model::PageSlot slot = model::currentSlot(*layout);
    model::ItemStore& items = layout->items();
    std::vector<int32_t> chosen = model::pageItems(*layout, model::refOf(*layout, slot));
    if (chosen.size() > model::kMostSelectedItems) {
        ui::alertUser(model::kSelectionLimitMessage);
        chosen.clear();
    }
    items.selectItems(chosen);
    ui::notifySelectionChanged();
    m_out << "[document] selected " << chosen.size() << (chosen.size() == 1 ? " item" : " items") << " on page "
          << model::numberOf(slot) << "\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const UndoCommand& command)
{
    const std::string text = command.redo ? m_host.redoText() : m_host.undoText();
    const bool done = command.redo ? m_host.redo() : m_host.undo();
    if (!done)
        return std::string(command.redo ? "redo: there is nothing to redo" : "undo: there is nothing to undo");
    ui::notifySelectionChanged();
    m_out << "[document] " << text << "\n";
    return std::nullopt;
}

} // namespace host::app
