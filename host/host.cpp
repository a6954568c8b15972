// The host facade: starting a host, loading modules, sending messages, menus and the user's answers.
#include "host/host.h"

#include <cassert>
#include <system_error>

#include <unistd.h>

#include "host/api/undo_menu.h"
#include "host/host_context.h"
#include "host/ui/screen_pixels.h"
#include "host/loader/module_loader.h"
#include "host/model/fonts/font_families.h"
#include "host/ui/dialog_runner.h"
#include "win32/standin.h"

namespace host {
namespace {

Host* g_current = nullptr;

std::filesystem::path defaultSystemDirectory()
{
    std::error_code error;
    return std::filesystem::temp_directory_path(error) / ("vorne-system-" + std::to_string(getpid()));
}

int32_t answerMessageBox(HWND, const char* text, const char* caption, UINT type)
{
    HostContext& host = context();
    const int32_t answer = host.messageBoxes().show(host.user(), text, caption, type);
    if (host.messageBoxObserver())
        host.messageBoxObserver()(host.messageBoxes().entries().back());
    return answer;
}

/// Marks the host as inside a message or window event while one is sent.
class Dispatch {
public:
    explicit Dispatch(HostContext& host) : m_depth(host.dispatchDepth()) { ++m_depth; }
    ~Dispatch() { --m_depth; }
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;

private:
    int& m_depth;
};

} // namespace

Host::Host(HostOptions options)
{
    assert(!g_current && "only one host is alive at a time");
    if (options.systemDirectory.empty())
        options.systemDirectory = defaultSystemDirectory();
    win32::resetStandIn();
    win32::setSystemDirectory(options.systemDirectory);
    std::vector<std::string> fonts;
    for (const model::FontFamily& family : model::fontFamilies())
        fonts.emplace_back(family.name);
    // Windows reports the families the host offers, so a font a plug-in picks from a menu is one the host finds by name.
    win32::setFontFamilies(std::move(fonts));
    m_context = std::make_unique<HostContext>(std::move(options));
    win32::setMessageBoxHandler(&answerMessageBox);
    win32::setScreenPixels(&ui::screenPixel);
    g_current = this;
}

Host::~Host()
{
    loader::unloadAll(*m_context);
    // The service blocks live as long as the host; their plug-ins are gone now.
    for (xt::Handle service : m_context->plugins().serviceHandles()) {
        if (win32::isHandle(service))
            win32::disposeHandle(service);
    }
    for (xt::Handle copy : m_context->resourceCopies()) {
        if (win32::isHandle(copy))
            win32::disposeHandle(copy);
    }
    win32::resetStandIn();
    g_current = nullptr;
}

Host* Host::current()
{
    return g_current;
}

std::vector<LoadResult> Host::loadPlugins(const std::filesystem::path& directory)
{
    return loadModules(loader::modulesIn(directory));
}

std::vector<LoadResult> Host::loadModules(const std::vector<std::filesystem::path>& files)
{
    return loader::loadModules(*m_context, files);
}

std::vector<PluginInfo> Host::plugins() const
{
    std::vector<PluginInfo> infos;
    for (const auto& module : m_context->plugins().modules()) {
        PluginInfo info{module->file, module->id, module->state, 0, 0};
        if (!module->windowIds.empty()) {
            info.windowIdBase = module->windowIds.front().base;
            for (const auto& range : module->windowIds)
                info.windowIdCount += range.count;
        }
        infos.push_back(info);
    }
    return infos;
}

void Host::startSession()
{
    xt::LanguageBlock language{};
    language.languageCode = static_cast<uint16_t>(m_context->options().languageCode);
    sendMessage(xt::LanguageMessage, &language);

    // Each plug-in builds its menus in turn, so a later one can find the menu an earlier one made.
    auto& plugins = m_context->plugins();
    for (const auto& module : plugins.modules()) {
        for (const auto& handler : plugins.handlersFor(xt::MenuSetupMessage)) {
            if (handler.module != module.get())
                continue;
            // The value at byte 76 names the host menu for palette items; the host has none yet.
            xt::MenuSetupBlock block{};
            block.header.message = xt::MenuSetupMessage;
            const int32_t depth = api::openUndoDepth();
            loader::PluginRegistry::Scope scope(plugins, handler.module);
            handler.handler(&block);
            api::closeStepsLeftOpen(depth, handler.module);
        }
    }
    sendMessage(xt::ReopenPalettesMessage);
}

int32_t Host::sendMessage(int32_t message, void* block)
{
    if (!block)
        return sendMessage(message);
    auto& plugins = m_context->plugins();
    static_cast<xt::MessageBlock*>(block)->message = message;
    int32_t first = 0;
    {
        Dispatch dispatch(*m_context);
        for (const auto& handler : plugins.handlersFor(message)) {
            if (handler.module->state != PluginState::Active)
                continue; // made inert by an earlier handler's failure in this round
            const int32_t depth = api::openUndoDepth();
            loader::PluginRegistry::Scope scope(plugins, handler.module);
            const int32_t result = handler.handler(block);
            api::closeStepsLeftOpen(depth, handler.module);
            if (first == 0)
                first = result;
        }
    }
    // A notice does not bring another, and after quitting nobody is left to tell.
    if (message != xt::ChangeNoticeMessage && message != xt::QuitMessage)
        noticeColourChanges();
    return first;
}

void Host::noticeColourChanges()
{
    const uint32_t changes = m_context->documents().colours().changes().count();
    if (m_context->dispatchDepth() != 0 || changes == m_context->toldColourChanges())
        return;
    m_context->toldColourChanges() = changes;
    sendMessage(xt::ChangeNoticeMessage);
}

int32_t Host::sendMessage(int32_t message)
{
    xt::MessageBlock block{message, 0};
    return sendMessage(message, &block);
}

size_t Host::handlerCount(int32_t message) const
{
    return m_context->plugins().handlerCount(message);
}

int32_t Host::sendWindowEvent(xt::WindowRef window, xt::WindowCallbackRecord& record)
{
    auto& plugins = m_context->plugins();
    auto callback = plugins.windowCallback(record.windowId);
    if (!callback)
        return -1;
    auto& windows = m_context->windows();
    int32_t result = 0;
    {
        Dispatch dispatch(*m_context);
        windows.enterCallback(window);
        const int32_t depth = api::openUndoDepth();
        loader::PluginRegistry::Scope scope(plugins, callback->module);
        result = callback->handler(&record);
        api::closeStepsLeftOpen(depth, callback->module);
        windows.leaveCallback();
    }
    noticeColourChanges();
    return result;
}

bool Host::hasWindowCallback(int32_t windowId) const
{
    return m_context->plugins().windowCallback(windowId).has_value();
}

std::vector<std::string> Host::menuLines() const
{
    return m_context->menus().lines();
}

const ui::MenuBar& Host::menuBar() const
{
    return m_context->menus();
}

void Host::updateMenus()
{
    xt::MenuUpdateBlock block{};
    sendMessage(xt::MenuUpdateMessage, &block);
}

std::vector<win32::MenuEntry> Host::openContextMenu()
{
    HMENU menu = CreatePopupMenu();
    const char* const ownEntries[] = {"Cut", "Copy", "Paste"};
    UINT_PTR id = 0;
    for (const char* entry : ownEntries)
        AppendMenuA(menu, MF_STRING, ++id, entry);
    xt::ContextMenuBlock block{};
    block.menu = menu;
    sendMessage(xt::ContextMenuMessage, &block);
    auto entries = win32::menuEntries(menu);
    DestroyMenu(menu);
    return entries;
}

void Host::quit()
{
    // Palettes close first, while XaqOp142 says the host is quitting, so a plug-in can remember them as shown.
    ui::closePalettes(true);
    sendMessage(xt::QuitMessage);
}

bool Host::chooseMenuItem(std::string_view labels)
{
    // The user opens the menu before choosing: the update may retitle an item (Mockum's greek item
    // reads "Fill With Placeholder Text" for an empty text box), so the label is looked up after it.
    updateMenus();
    auto& menus = m_context->menus();
    auto place = menus.find(labels);
    const ui::MenuItem* item = place ? menus.item(*place) : nullptr;
    if (!item || !item->enabled)
        return false;
    xt::MenuCommandBlock block{};
    block.itemId = place->itemId;
    sendMessage(xt::MenuCommandMessage, &block);
    return true;
}

ui::ScriptedUser& Host::user()
{
    return m_context->user();
}

const std::vector<ui::MessageBoxRecord>& Host::messageBoxes() const
{
    return m_context->messageBoxes().entries();
}

void Host::onMessageBox(std::function<void(const ui::MessageBoxRecord&)> observer)
{
    m_context->messageBoxObserver() = std::move(observer);
}

const std::vector<uint32_t>& Host::beeps() const
{
    return win32::beeps();
}

const std::vector<int32_t>& Host::errorReports() const
{
    return m_context->errors().reports();
}

const std::vector<int32_t>& Host::cursorKinds() const
{
    return m_context->cursorKinds();
}

bool Host::undo()
{
    return api::undoLastStep();
}

bool Host::redo()
{
    return api::redoLastStep();
}

std::string Host::undoText() const
{
    return api::undoMenuText();
}

std::string Host::redoText() const
{
    return api::redoMenuText();
}

api::FaultInjector& Host::faults()
{
    return m_context->faults();
}

model::Layout& Host::newDocument(const model::NewDocumentOptions& options)
{
    return m_context->documents().newDocument(options);
}

model::Layout* Host::currentDocument()
{
    return m_context->documents().current();
}

model::DocumentModel& Host::documents()
{
    return m_context->documents();
}

ui::WindowManager& Host::windows()
{
    return m_context->windows();
}

ui::Window& Host::openWindow(int32_t windowId)
{
    return m_context->windows().open(m_context->documents().references().next(), windowId);
}

const std::filesystem::path& Host::systemDirectory() const
{
    return m_context->options().systemDirectory;
}

} // namespace host
