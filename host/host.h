// The host stand-in: loads plug-in modules, runs their set-up and drives them as the page-layout application would.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/api/fault_injector.h"
#include "host/model/document_model.h"
#include "host/ui/menu_bar.h"
#include "host/ui/message_boxes.h"
#include "host/ui/window_model.h"
#include "win32/standin.h"
#include "xtapi/messages.h"
#include "xtapi/records.h"
#include "xtapi/window_callback.h"

namespace host {

struct HostOptions {
    /// The real folder behind the Windows system directory ("C:\WINDOWS\system32"). Empty: a folder
    /// "vorne-system-<process id>" under the temporary directory.
    std::filesystem::path systemDirectory;
    int16_t languageCode = 0;
    /// The version words the host writes into the RegistrationRecord; tests pass others.
    std::array<uint32_t, 3> registrationWords{xt::kBindingWords[0], xt::kBindingWords[1], xt::kBindingWords[2]};
    /// When set, OfferXTension answers this to every plug-in (0x100: a refusal, its low byte being 0).
    std::optional<uint32_t> offerAnswer;
};

/// The outcome of loading one module; `message` says why a load failed and names the file.
struct LoadResult {
    std::string file;
    bool loaded = false;
    int32_t status = 0;
    std::string message;
};

enum class PluginState : uint8_t {
    Active,  // loaded and set up
    Inert,   // set-up failed: its handlers, window callbacks and services are withdrawn, the module stays loaded
};

struct PluginInfo {
    std::string file;
    xt::XTensionId id = 0;
    PluginState state = PluginState::Active;
    int32_t windowIdBase = 0;  // 0 when the plug-in reserved none
    int32_t windowIdCount = 0;
};

class HostContext;

/// Constructing a Host makes it the current host (the operations the plug-ins call are free
/// functions without an object argument); only one exists at a time.
class Host {
public:
    explicit Host(HostOptions options = {});
    /// Unloads every module (dlclose), so a test can load a module again with fresh globals.
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    /// The host that is alive, or null.
    static Host* current();

    /// Loads every "*.xnt" of the folder in name order; see loadModules.
    std::vector<LoadResult> loadPlugins(const std::filesystem::path& directory);
    /// Loads the files in this order: each module's library entry (reason 1) and activation, then
    /// every level-300 set-up, then every level-200 set-up. One result per file, in the same order.
    std::vector<LoadResult> loadModules(const std::vector<std::filesystem::path>& files);
    std::vector<PluginInfo> plugins() const;

    /// LanguageMessage (the code from the options), then MenuSetupMessage to each plug-in in load
    /// order, one plug-in at a time, then ReopenPalettesMessage.
    void startSession();
    /// Sends a message to every registered handler in registration order; returns the first
    /// nonzero result, or 0. The block must start with an xt::MessageBlock; the host writes the number.
    int32_t sendMessage(int32_t message, void* block);
    /// A message without a payload (QuitMessage, IdleMessage, MenuUpdateMessage ...).
    int32_t sendMessage(int32_t message);
    /// Sends ChangeNoticeMessage when colours changed since the plug-ins were last told, unless the
    /// host is inside a message or window event. The host calls it as each message and window event
    /// ends, so a plug-in never hears of a change in the middle of its own call.
    void noticeColourChanges();
    /// How many handlers are registered for a message number (window callbacks not counted).
    size_t handlerCount(int32_t message) const;

    /// Calls the window callback registered under `record.windowId`, with that window's reference as the
    /// callback window; returns the callback's result, or -1 when none is registered.
    int32_t sendWindowEvent(xt::WindowRef window, xt::WindowCallbackRecord& record);
    bool hasWindowCallback(int32_t windowId) const;

    /// The menu bar as lines: "VORNE > Cellora...", "VORNE > ---" for a separator, "VORNE > (Amplex...)"
    /// for a disabled item. A pure view: it sends no MenuUpdateMessage (updateMenus does).
    std::vector<std::string> menuLines() const;
    const ui::MenuBar& menuBar() const;
    /// Sends MenuUpdateMessage (with an xt::MenuUpdateBlock), as the host does before the user opens a menu.
    void updateMenus();
    /// The context menu of a right click: the host's own entries, then ContextMenuMessage with the Windows
    /// menu (xt::ContextMenuBlock) so the plug-ins can add theirs. Returns the entries as shown.
    std::vector<win32::MenuEntry> openContextMenu();
    /// Closes the palettes (XaqOp142 answering 1 meanwhile), then sends QuitMessage.
    void quit();
    /// "VORNE > Cellora...": MenuUpdateMessage, then MenuCommandMessage with the id of the item that has
    /// that label after the update, when it is enabled. False when the item is missing or disabled.
    bool chooseMenuItem(std::string_view labels);

    /// Answers for the next message boxes, in order.
    ui::ScriptedUser& user();
    /// Every message box shown since the host started: text, caption, style, answer.
    const std::vector<ui::MessageBoxRecord>& messageBoxes() const;
    /// Called after each message box is answered (a session prints them as they happen).
    void onMessageBox(std::function<void(const ui::MessageBoxRecord&)> observer);
    /// The sound types of MessageBeep calls since the host started.
    const std::vector<uint32_t>& beeps() const;
    /// Codes the plug-ins reported through the error frame (ReportErrorStatus), in order.
    const std::vector<int32_t>& errorReports() const;
    /// The cursor kinds set with SetCursorKind, in order (0 arrow, -1 watch).
    const std::vector<int32_t>& cursorKinds() const;

    /// Edit > Undo: sends UndoMessage to the plug-in that made the last step (the host restores
    /// nothing itself); false when there is nothing to undo. Redo likewise, after an Undo.
    bool undo();
    bool redo();
    /// The Edit menu's texts, e.g. "Undo Amplex"; empty when there is nothing to undo (or redo).
    std::string undoText() const;
    std::string redoText() const;

    api::FaultInjector& faults();

    /// A new document (a project with one layout), made current.
    model::Layout& newDocument(const model::NewDocumentOptions& options = {});
    model::Layout* currentDocument();
    model::DocumentModel& documents();

    ui::WindowManager& windows();
    /// Opens a window for a plug-in's window id (dialogs drive this later; tests use it now).
    ui::Window& openWindow(int32_t windowId);

    const std::filesystem::path& systemDirectory() const;

    /// The host's parts, for the operations and the loader.
    HostContext& context() { return *m_context; }

private:
    std::unique_ptr<HostContext> m_context;
};

} // namespace host
