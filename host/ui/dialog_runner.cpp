// Modal dialogs with tab pages, floating palettes, and closing them.
#include "host/ui/dialog_runner.h"

#include <algorithm>

#include "host/ui/field_check.h"
#include "host/ui/item_actions.h"
#include "host/ui/window_events.h"
#include "xtapi/window_callback.h"

namespace host::ui {
namespace {

/// The dialog's own buttons, whose hit comes before the OK or Cancel event.
constexpr int32_t kOkButton = 1;
constexpr int32_t kCancelButton = 2;

/// The leaving page gives up its values (23); a page shown again refills (22) and draws (4).
constexpr int32_t kPageLeaving = 23;
constexpr int32_t kPageShown = xt::TabEvent22;
constexpr int32_t kPageDraw = xt::DrawEvent;

DialogRecord& entry(size_t index)
{
    // Nested dialogs add entries, so the record is found by its index each time.
    return windowManager().dialogLog().at(index);
}

std::vector<xt::WindowRef> createdPages(xt::WindowRef dialog)
{
    std::vector<xt::WindowRef> pages;
    Window* window = windowManager().find(dialog);
    if (!window)
        return pages;
    for (const auto& [item, tabs] : window->tabControls()) {
        for (const auto& page : tabs.pages) {
            if (page.window != 0 && windowManager().find(page.window))
                pages.push_back(page.window);
        }
    }
    return pages;
}

/// Brings the chosen page of a tab control to the front, creating it the first time.
std::optional<std::string> showChosenPage(xt::WindowRef dialog, int32_t tabItem)
{
    Window* window = windowManager().find(dialog);
    TabControl* tabs = window ? window->tabControl(tabItem) : nullptr;
    if (!tabs || tabs->pages.empty())
        return std::nullopt;
    const int32_t last = static_cast<int32_t>(tabs->pages.size()) - 1;
    tabs->selected = std::clamp(tabs->selected, 0, last);
    if (tabs->front == tabs->selected)
        return std::nullopt;
    const int32_t leaving = tabs->front;
    const int32_t chosen = tabs->selected;
    tabs->front = chosen;
    if (leaving >= 0)
        sendEvent(tabs->pages[static_cast<size_t>(leaving)].window, kPageLeaving);
    tabs = windowManager().find(dialog) ? windowManager().find(dialog)->tabControl(tabItem) : nullptr;
    if (!tabs)
        return std::nullopt;
    TabControl::Page page = tabs->pages[static_cast<size_t>(chosen)];
    if (page.window != 0) {
        sendEvent(page.window, kPageShown);
        sendEvent(page.window, kPageDraw);
        return std::nullopt;
    }
    page.window = newWindowRef();
    tabs->pages[static_cast<size_t>(chosen)].window = page.window;
    return createWindow(page.window, page.windowId, WindowKind::TabPage, dialog, nullptr);
}

void syncTabs(xt::WindowRef dialog, size_t logIndex)
{
    Window* window = windowManager().find(dialog);
    if (!window)
        return;
    std::vector<int32_t> tabItems;
    for (const auto& [item, tabs] : window->tabControls())
        tabItems.push_back(item);
    for (int32_t item : tabItems) {
        if (auto problem = showChosenPage(dialog, item))
            entry(logIndex).problems.push_back("tab page: " + *problem);
    }
}

std::optional<std::string> selectTab(xt::WindowRef dialog, int32_t index)
{
    Window* window = windowManager().find(dialog);
    if (!window || window->tabControls().empty())
        return std::string("the dialog has no tabs");
    TabControl* tabs = window->tabControl(window->tabControls().begin()->first);
    if (index < 0 || index >= static_cast<int32_t>(tabs->pages.size()))
        return "there is no tab " + std::to_string(index);
    tabs->selected = index;
    return std::nullopt;
}

void markUnexpected(size_t logIndex, const char* why)
{
    entry(logIndex).unexpected = true;
    entry(logIndex).problems.push_back(why);
}

/// Refuses the first of `places` whose typed text its field cannot take, noting it in the dialog's log;
/// the refused field has the focus after it.
bool refusedField(const std::vector<FieldPlace>& places, size_t logIndex, std::optional<FieldPlace>& focus)
{
    const auto refused = refuseFirstUnreadable(places);
    if (!refused)
        return false;
    const Window* window = windowManager().find(refused->window);
    const WindowItem* field = window ? window->item(refused->item) : nullptr;
    entry(logIndex).refusedFields.push_back(
        "item " + std::to_string(refused->item) + " \"" + (field ? field->text() : std::string()) + "\"");
    focus = refused;
    return true;
}

/// Whether the action takes the focus away from the field being typed into: anything but more typing into
/// it, and Cancel (which throws the typing away).
bool leavesField(xt::WindowRef dialog, const DialogAction& action, const FieldPlace& focus)
{
    if (action.kind == DialogActionKind::Cancel)
        return false;
    const auto target = actionTarget(dialog, action);
    if (action.kind == DialogActionKind::SetText)
        return !target || *target != focus;
    return !(action.kind == DialogActionKind::Click && target && target->window == dialog && target->item == kCancelButton);
}

DialogOutcome play(xt::WindowRef dialog, size_t logIndex, bool opening, std::optional<FieldPlace>& focus)
{
    DialogUser& user = windowManager().dialogUser();
    if (opening && user.pending() == 0) {
        markUnexpected(logIndex, "no scripted action was queued for this dialog: the host cancelled it");
        return DialogOutcome::Cancelled;
    }
    while (true) {
        const Window* window = windowManager().find(dialog);
        if (!window)
            return DialogOutcome::Closed;
        if (window->closeRequested())
            return window->closeOutcome();
        const auto action = user.take();
        if (!action) {
            markUnexpected(logIndex, "the scripted actions ran out before OK or Cancel: the host cancelled it");
            return DialogOutcome::Cancelled;
        }
        // Leaving a field checks what was typed into it; a refusal keeps the focus there and takes the action.
        if (focus && leavesField(dialog, *action, *focus) && refusedField({*focus}, logIndex, focus))
            continue;
        if (action->kind == DialogActionKind::Ok) {
            if (refusedField(typedFields(dialog, focus), logIndex, focus))
                continue;
            return DialogOutcome::Ok;
        }
        if (action->kind == DialogActionKind::Cancel)
            return DialogOutcome::Cancelled;
        ActionResult result = action->kind == DialogActionKind::Tab
            ? ActionResult{selectTab(dialog, action->value), std::nullopt, std::nullopt}
            : performItemAction(dialog, *action);
        if (result.problem)
            entry(logIndex).problems.push_back(describe(*action) + ": " + *result.problem);
        if (result.typedInto)
            focus = result.typedInto;
        else if (!result.problem && action->kind != DialogActionKind::SetText)
            focus.reset();
        if (result.ends == DialogOutcome::Ok && refusedField(typedFields(dialog, focus), logIndex, focus))
            continue;
        if (result.ends)
            return *result.ends;
        syncTabs(dialog, logIndex);
        // The user takes a moment between actions: the dialog's timers go off.
        tickTimers();
    }
}

/// The OK button's hit, the pages hand in what was typed, then the dialog hears OK; false when its callback
/// refuses it (handled 2), which keeps the dialog open.
bool acceptOk(xt::WindowRef dialog)
{
    sendEvent(dialog, xt::ItemHit, kOkButton, xt::ItemPressed);
    for (xt::WindowRef page : createdPages(dialog))
        sendEvent(page, xt::AcceptEvent);
    const auto handled = sendEventForAnswer(dialog, xt::OkEvent);
    return !handled || *handled != kHandledRefused;
}

/// Runs the scripted user until the dialog ends; an OK the dialog refuses lets the user go on.
DialogOutcome playUntilEnd(xt::WindowRef dialog, size_t logIndex)
{
    std::optional<FieldPlace> focus;
    for (bool opening = true;; opening = false) {
        const DialogOutcome outcome = play(dialog, logIndex, opening, focus);
        if (outcome != DialogOutcome::Ok || acceptOk(dialog))
            return outcome;
        Window* window = windowManager().find(dialog);
        if (!window)
            return DialogOutcome::Closed;
        window->withdrawCloseRequest();
    }
}

/// OK has been heard already (acceptOk); Cancel and the closing events follow here. A Cancel the user gave
/// comes with the Cancel button's hit; one the host gave (no action was left) without.
void finish(xt::WindowRef dialog, DialogOutcome outcome, bool userCancelled)
{
    const auto pages = createdPages(dialog);
    if (outcome == DialogOutcome::Cancelled) {
        if (userCancelled)
            sendEvent(dialog, xt::ItemHit, kCancelButton, xt::ItemPressed);
        sendEvent(dialog, xt::CancelEvent);
        for (xt::WindowRef page : pages)
            sendEvent(page, xt::CancelEvent);
    }
    for (xt::WindowRef page : pages)
        sendEvent(page, xt::ClosingEvent);
    sendEvent(dialog, xt::ClosingEvent);
    for (xt::WindowRef page : pages)
        windowManager().close(page);
    windowManager().close(dialog);
}

/// The texts a user reads in a window: its static texts and fields, in item order, blank ones left out.
std::string shownTexts(const Window& window)
{
    std::string shown;
    for (const auto& [number, item] : window.items()) {
        const bool readable = item.kind() == ItemKind::StaticText || item.kind() == ItemKind::EditText;
        if (!readable || !item.visible() || item.text().empty())
            continue;
        shown += (shown.empty() ? "" : " | ") + item.text();
    }
    return shown;
}

std::string windowLine(const Window& window, const std::string& what)
{
    return "[window] \"" + window.title() + "\" " + what;
}

/// One side of a palette kept within its limits; a limit of 0 or below is none.
int32_t withinLimits(int32_t size, int32_t minimum, int32_t maximum)
{
    if (maximum > 0)
        size = std::min(size, maximum);
    return std::max({size, minimum, 1});
}

} // namespace

void noteModelessShown(const Window& shown)
{
    Window* window = windowManager().find(shown.ref());
    if (!window || window->kind() != WindowKind::Modeless)
        return;
    std::string texts = shownTexts(*window);
    if (texts == window->shownText())
        return;
    windowManager().noteWindow(windowLine(*window, "shows: " + texts));
    window->setShownText(std::move(texts));
}

std::variant<xt::PaletteProposedSize, std::string> resizePalette(xt::WindowRef palette, int32_t width, int32_t height)
{
    const Window* window = windowManager().find(palette);
    if (!window || window->kind() != WindowKind::Palette)
        return std::string("no such palette is open");
    xt::PaletteSizeLimits limits{};
    const auto answered = sendEventWithAnswer(palette, xt::SizeLimitsEvent, &limits);
    if (!answered || *answered == 0)
        limits = xt::PaletteSizeLimits{};
    xt::PaletteProposedSize size{width, height};
    sendEventWithAnswer(palette, xt::ProposedSizeEvent, &size);
    Window* resized = windowManager().find(palette);
    if (!resized)
        return std::string("the palette closed itself while it was resized");
    size.width = withinLimits(size.width, limits.minimumWidth, limits.maximumWidth);
    size.height = withinLimits(size.height, limits.minimumHeight, limits.maximumHeight);
    xt::WindowRect rect = resized->rect();
    rect.right = rect.left + size.width;
    rect.bottom = rect.top + size.height;
    resized->setRect(rect);
    sendEvent(palette, xt::ResizedEvent);
    return size;
}

int32_t runModalDialog(int32_t windowId, int32_t* result)
{
    if (result)
        *result = 0;
    const size_t logIndex = windowManager().dialogLog().entries().size();
    windowManager().dialogLog().add(windowId);
    const xt::WindowRef dialog = newWindowRef();
    if (auto problem = createWindow(dialog, windowId, WindowKind::Dialog, 0, nullptr)) {
        entry(logIndex).problems.push_back(*problem);
        return -1;
    }
    if (const Window* window = windowManager().find(dialog)) {
        entry(logIndex).resourceId = window->resourceId();
        entry(logIndex).title = window->title();
    }
    syncTabs(dialog, logIndex);
    const DialogOutcome outcome = playUntilEnd(dialog, logIndex);
    finish(dialog, outcome, !entry(logIndex).unexpected);
    entry(logIndex).outcome = outcome;
    if (result)
        *result = outcome == DialogOutcome::Ok ? 1 : 0;
    return 0;
}

int32_t openModeless(int32_t windowId, xt::WindowRef* window)
{
    const xt::WindowRef opened = newWindowRef();
    if (window)
        *window = 0;
    if (auto problem = createWindow(opened, windowId, WindowKind::Modeless, 0, nullptr)) {
        DialogRecord& failed = windowManager().dialogLog().add(windowId);
        failed.problems.push_back("window: " + *problem);
        return -1;
    }
    if (window)
        *window = opened;
    if (Window* shown = windowManager().find(opened)) {
        windowManager().noteWindow(windowLine(*shown, "opened"));
        noteModelessShown(*shown);
    }
    return 0;
}

int32_t openPalette(int32_t windowId, xt::Handle record, xt::WindowRef* window)
{
    const xt::WindowRef palette = newWindowRef();
    if (window)
        *window = palette;
    if (auto problem = createWindow(palette, windowId, WindowKind::Palette, 0, record)) {
        DialogRecord& failed = windowManager().dialogLog().add(windowId);
        failed.problems.push_back("palette: " + *problem);
        if (window)
            *window = 0;
        return -1;
    }
    return 0;
}

int32_t closeCurrentWindow(DialogOutcome how)
{
    Window* window = windowManager().target();
    if (window && window->kind() == WindowKind::TabPage)
        window = windowManager().find(window->parent());
    if (!window)
        return -1;
    if (window->kind() == WindowKind::Dialog) {
        window->requestClose(how);
        return 0;
    }
    const xt::WindowRef ref = window->ref();
    if (window->kind() == WindowKind::Modeless) {
        noteModelessShown(*window);
        windowManager().noteWindow(windowLine(*window, "closed"));
    }
    sendEvent(ref, xt::ClosingEvent);
    windowManager().close(ref);
    return 0;
}

std::optional<std::string> actOnPalette(xt::WindowRef palette, const DialogAction& action)
{
    const Window* window = windowManager().find(palette);
    if (!window || window->kind() != WindowKind::Palette)
        return std::string("no such palette is open");
    if (action.kind == DialogActionKind::Ok || action.kind == DialogActionKind::Cancel || action.kind == DialogActionKind::Tab)
        return describe(action) + ": a palette has no such action";
    return performItemAction(palette, action).problem;
}

void notifySelectionChanged()
{
    for (Window* palette : windowManager().windowsOfKind(WindowKind::Palette))
        sendEvent(palette->ref(), xt::RefillEvent);
}

void closePalettes(bool quitting)
{
    windowManager().setQuitting(quitting);
    std::vector<xt::WindowRef> palettes;
    for (Window* palette : windowManager().windowsOfKind(WindowKind::Palette))
        palettes.push_back(palette->ref());
    for (xt::WindowRef palette : palettes) {
        sendEvent(palette, xt::ClosingEvent);
        windowManager().close(palette);
    }
}

} // namespace host::ui
