// Runs a parsed session script against a host whose plug-ins are loaded and set up.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/app/script.h"

namespace host {
class Host;
}

namespace host::app {

/// The program's exit status; a script's status is the worst of its commands.
enum class ExitStatus : int {
    Ok = 0,
    Failed = 1,   // a command failed: an expectation unmet, a file refused, a menu item missing
    BadInput = 2, // the script or the command line itself is wrong
};

class ScriptRunner {
public:
    /// `out` receives what the session shows (messages, menus, echo); `err` what went wrong.
    /// Relative file names in the script resolve against `workDirectory`.
    ScriptRunner(Host& host, std::ostream& out, std::ostream& err, std::filesystem::path workDirectory);

    /// Runs the commands in order and stops at the first that fails, naming its line.
    ExitStatus run(const Script& script, const std::string& scriptName);

    /// Called after each command has run and shown its events, with whether it failed (the fault sweep watches).
    using CommandObserver = std::function<void(const Command& command, bool failed)>;
    void onCommandDone(CommandObserver observer) { m_commandDone = std::move(observer); }

private:
    /// Why a command failed; empty when it did what it said.
    using Failure = std::optional<std::string>;

    Failure execute(const NewDocumentCommand& command);
    Failure execute(const OpenDocumentCommand& command);
    Failure execute(const SaveDocumentCommand& command);
    Failure execute(const ChooseMenuCommand& command);
    Failure execute(const AnswerCommand& command);
    Failure execute(const ListMenusCommand& command);
    Failure execute(const ExpectMessageCommand& command);
    Failure execute(const EchoCommand& command);
    Failure execute(const DialogCommand& command);
    Failure execute(const PaletteCommand& command);
    Failure execute(const DrawPageCommand& command);
    Failure execute(const SelectAllCommand& command);
    Failure execute(const UndoCommand& command);
    Failure execute(const IdleCommand& command);
    Failure execute(const ChooserAnswerCommand& command);
    Failure execute(const DrawWindowCommand& command);
    Failure execute(const PaletteSizeCommand& command);

    /// A chooser that came with no fitting answer, or could not take its answer, since the last call.
    Failure chooserTrouble();
    /// The first chooser answer still queued when the script ended.
    std::optional<ScriptError> unusedChooserAnswer() const;
    /// Prints the choosers that came since the last call, with their answers.
    void showNewChoosers();
    Failure execute(const SelectItemsCommand& command);
    Failure execute(const SelectTextCommand& command);
    Failure execute(const SelectPageCommand& command);
    Failure execute(const GoToCommand& command);
    Failure execute(const LayoutCommand& command);
    Failure execute(const ToolCommand& command);
    Failure execute(const ClickCommand& command);
    Failure execute(const MouseCommand& command);
    Failure execute(const KeyCommand& command);
    Failure execute(const ClockCommand& command);
    Failure execute(const GuideEventCommand& command);
    Failure execute(const PrintCommand& command);

    /// A plug-in that waited on input the script never gave since the last call: the command fails.
    Failure inputTrouble();

    /// A dialog that came unexpected or could not take an action since the last call: the command fails.
    Failure dialogTrouble();
    /// The first dialog action still queued when the script ended.
    std::optional<ScriptError> unusedDialogAction() const;

    /// The first answer still queued when the script ended: the script expected a box that never came.
    std::optional<ScriptError> unusedAnswer() const;
    /// Prints the message boxes, beeps and error reports that appeared since the last call.
    void showNewEvents();
    std::filesystem::path resolve(const std::string& path) const;

    Host& m_host;
    std::ostream& m_out;
    std::ostream& m_err;
    std::filesystem::path m_workDirectory;
    int m_line = 0;                 // the line of the command running
    std::vector<int> m_answerLines; // the line of each answer queued, in order
    size_t m_boxesShown = 0;
    size_t m_beepsShown = 0;
    size_t m_errorReportsShown = 0;
    std::vector<int> m_dialogActionLines; // the line of each dialog action queued, in order
    size_t m_dialogsShown = 0;
    size_t m_dialogsChecked = 0;
    size_t m_windowLinesShown = 0;
    size_t m_choosersShown = 0;
    size_t m_choosersChecked = 0;
    CommandObserver m_commandDone;
};

} // namespace host::app
