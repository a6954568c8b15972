// Runs the script commands for what a user does in the layout window: choosing items, text, pages,
// layouts and tools, and clicking with a plug-in's tool.
#include "host/app/script_runner.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <sstream>

#include "host/host.h"
#include "host/host_context.h"
#include "host/model/spread_layout.h"
#include "host/model/text/text_boxes.h"
#include "host/ui/dialog_runner.h"
#include "host/ui/layout_screen.h"
#include "win32/standin.h"
#include "xtapi/messages.h"

namespace host::app {
namespace {

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string pageCountText(size_t pages)
{
    return std::to_string(pages) + (pages == 1 ? " page" : " pages");
}

/// An item of the layout by the reference `draw` shows, or by the name the document gives it.
const model::Item* findScriptItem(const model::Layout& layout, const std::string& word)
{
    int32_t ref = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), ref);
    if (error == std::errc() && end == word.data() + word.size()) {
        if (const model::Item* item = layout.items().find(ref))
            return item;
    }
    // A name may be digits too ("2024"): it is looked for once no item has that reference.
    const int32_t named = layout.items().named(word);
    return named != 0 ? layout.items().find(named) : nullptr;
}

std::string joined(const std::vector<int32_t>& refs)
{
    std::string text;
    for (int32_t ref : refs)
        text += (text.empty() ? "" : ", ") + std::to_string(ref);
    return text;
}

std::string pointText(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

/// The master spread a name gives: "A-Master" or its letter "A" for the first, "B-Master" the second.
std::optional<int32_t> masterSpreadNamed(const model::Layout& layout, const std::string& name)
{
    const size_t spreads = layout.masters().spreadCount();
    for (size_t spread = 0; spread < spreads && spread < 26; ++spread) {
        const std::string letter(1, static_cast<char>('A' + spread));
        if (name == letter || name == letter + "-Master")
            return static_cast<int32_t>(spread + 1);
    }
    return std::nullopt;
}

/// Every layout of every project as "PROJECT > LAYOUT", for a message naming what there is.
std::string layoutNames(model::DocumentModel& documents)
{
    std::string names;
    for (size_t p = 0; p < documents.projectCount(); ++p) {
        const model::Project& project = documents.project(p);
        for (size_t l = 0; l < project.layoutCount(); ++l)
            names += (names.empty() ? "" : ", ") + quoted(project.name() + " > " + project.layout(l).name());
    }
    return names.empty() ? "none" : names;
}

/// Every layout the command may mean: by project and layout, or by a name that is either.
std::vector<model::Layout*> layoutsMeant(model::DocumentModel& documents, const LayoutCommand& command)
{
    std::vector<model::Layout*> found;
    for (size_t p = 0; p < documents.projectCount(); ++p) {
        model::Project& project = documents.project(p);
        if (command.project.empty() && project.name() == command.name && project.layoutCount() > 0) {
            found.push_back(&project.layout(0));
            continue;
        }
        if (!command.project.empty() && project.name() != command.project)
            continue;
        for (size_t l = 0; l < project.layoutCount(); ++l) {
            if (project.layout(l).name() == command.name)
                found.push_back(&project.layout(l));
        }
    }
    return found;
}

/// A click on an item shows its page: the page becomes the window's current one.
void showPageOf(model::Layout& layout, const model::Item& item)
{
    const auto slot = model::slotOfRef(layout, item.pageRef());
    if (slot && slot->list == model::PageList::Document && !layout.view().showsMasters())
        model::makeCurrent(layout, *slot);
}

/// The user's mouse passes the tool palette or the page: the plug-ins' mouse hooks see it first.
void tellMouseHooks(POINT at)
{
    MOUSEHOOKSTRUCT event{at, nullptr, 0, 0};
    win32::callHooks(WH_MOUSE, HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&event));
}

/// The host's mouse event record (XaqOp141) holds the click in the layout window's coordinates at byte 20,
/// horizontal in the low half.
void noteClickPoint(POINT at)
{
    constexpr size_t kPointOffset = 20;
    const auto horizontal = static_cast<uint16_t>(at.x - ui::kSpreadScreenLeft);
    const auto vertical = static_cast<uint16_t>(at.y - ui::kSpreadScreenTop);
    const uint32_t packed = horizontal | static_cast<uint32_t>(vertical) << 16;
    std::memcpy(context().mouseEvent().data() + kPointOffset, &packed, sizeof packed);
}

} // namespace

ScriptRunner::Failure ScriptRunner::execute(const SelectItemsCommand& command)
{
    model::Layout* layout = m_host.currentDocument();
    if (!layout)
        return std::string("select: no document is open");
    std::vector<int32_t> chosen;
    for (const std::string& word : command.items) {
        const model::Item* item = findScriptItem(*layout, word);
        if (!item || item->groupRole() == model::GroupRole::Selection)
            return "select: the layout has no item " + quoted(word);
        chosen.push_back(item->ref());
    }
    showPageOf(*layout, *layout->items().find(chosen.front()));
    layout->items().selectItems(chosen);
    ui::notifySelectionChanged();
    m_out << "[document] selected " << (chosen.size() == 1 ? "item " : "items ") << joined(chosen) << "\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const SelectTextCommand& command)
{
    model::Layout* layout = m_host.currentDocument();
    if (!layout)
        return std::string("select text: no document is open");
    const model::Item* item = findScriptItem(*layout, command.item);
    if (!item)
        return "select text: the layout has no item " + quoted(command.item);
    model::Story* story = model::storyOfTextBox(*layout, item->ref());
    if (!story)
        return "select text: item " + quoted(command.item) + " is not a text box";
    if (command.to > story->length())
        return "select text: the text of item " + quoted(command.item) + " has " + std::to_string(story->length())
            + " characters; it ends before " + std::to_string(command.to);
    showPageOf(*layout, *item);
    layout->items().select(item->ref());
    story->select(command.from, command.to);
    ui::notifySelectionChanged();
    m_out << "[document] selected characters " << command.from << " to " << command.to << " of item "
          << item->ref() << "\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const SelectPageCommand& command)
{
    model::Layout* layout = m_host.currentDocument();
    if (!layout)
        return std::string("select page: no document is open");
    if (static_cast<size_t>(command.page) > layout->pageCount())
        return "select page: there is no page " + std::to_string(command.page) + "; the document has "
            + pageCountText(layout->pageCount());
    model::showMasterSpread(*layout, 0);
    model::makeCurrent(*layout, {model::PageList::Document, static_cast<size_t>(command.page - 1)});
    layout->items().select(0);
    ui::notifySelectionChanged();
    m_out << "[document] page " << command.page << " is current, nothing selected\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const GoToCommand& command)
{
    model::Layout* layout = m_host.currentDocument();
    if (!layout)
        return std::string("go to: no document is open");
    if (command.page) {
        if (static_cast<size_t>(*command.page) > layout->pageCount())
            return "go to page: there is no page " + std::to_string(*command.page) + "; the document has "
                + pageCountText(layout->pageCount());
        model::showMasterSpread(*layout, 0);
        model::makeCurrent(*layout, {model::PageList::Document, static_cast<size_t>(*command.page - 1)});
        m_out << "[document] went to page " << *command.page << "\n";
        return std::nullopt;
    }
    const std::optional<int32_t> spread = masterSpreadNamed(*layout, command.master);
    if (!spread)
        return "go to master: the layout has no master " + quoted(command.master) + " (it has "
            + std::to_string(layout->masters().spreadCount()) + ", from \"A-Master\")";
    model::showMasterSpread(*layout, *spread);
    m_out << "[document] went to master " << quoted(std::string(1, static_cast<char>('A' + *spread - 1)) + "-Master")
          << "\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const LayoutCommand& command)
{
    model::DocumentModel& documents = m_host.documents();
    const std::vector<model::Layout*> found = layoutsMeant(documents, command);
    const std::string asked = command.project.empty() ? command.name : command.project + " > " + command.name;
    if (found.empty())
        return "layout: there is no layout or project " + quoted(asked) + "; open are " + layoutNames(documents);
    if (found.size() > 1)
        return "layout: " + quoted(asked) + " names more than one layout; say which project, like "
            + quoted("PROJECT > " + command.name);
    documents.setCurrent(found.front());
    ui::notifySelectionChanged();
    const model::Project* project = documents.projectOf(*found.front());
    m_out << "[document] " << quoted((project ? project->name() + " > " : "") + found.front()->name())
          << " is current\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const ToolCommand& command)
{
    ui::ToolBox& tools = m_host.context().tools();
    const ui::Tool* tool = tools.find(command.name);
    if (!tool) {
        std::string names;
        for (const ui::Tool& each : tools.tools())
            names += (names.empty() ? "" : ", ") + quoted(each.name);
        return "tool: there is no tool " + quoted(command.name) + "; the palette has " + names;
    }
    // The click on the palette reaches the mouse hooks while the tool before is still current.
    tellMouseHooks(win32::cursorPosition());
    model::Layout* layout = m_host.currentDocument();
    if (layout)
        layout->items().selection().setTool(tool->number);
    else
        tools.setToolWithoutLayout(tool->number);
    m_out << "[tool] " << tool->name << "\n";
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const ClickCommand& command)
{
    model::Layout* layout = m_host.currentDocument();
    const int32_t number = layout ? layout->items().selection().tool() : m_host.context().tools().toolWithoutLayout();
    const ui::Tool* tool = m_host.context().tools().byNumber(number);
    if (!tool || tool->owner == 0)
        return "click: the " + (tool ? tool->name : std::string("current")) + " tool is a host tool; "
            "choose a plug-in's tool first, like \"tool Sipette\"";
    const POINT at = ui::screenPointOfPage(layout, command.x, command.y);
    tellMouseHooks(at);
    win32::pressAndRelease(VK_LBUTTON, at);
    m_out << "[tool] " << tool->name << " clicked at " << pointText(command.x) << ", " << pointText(command.y);
    if (layout)
        m_out << " on page " << model::numberOf(model::currentSlot(*layout));
    m_out << "\n";
    noteClickPoint(at);
    xt::ToolClickBlock block{};
    block.tool = tool->number;
    m_host.sendMessage(xt::ToolClickMessage, &block);
    ui::notifySelectionChanged();
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const MouseCommand& command)
{
    std::optional<POINT> cursor;
    if (command.x && command.y)
        cursor = ui::screenPointOfPage(m_host.currentDocument(), *command.x, *command.y);
    win32::queueKeyChange(VK_LBUTTON, command.down, command.after, cursor);
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const KeyCommand& command)
{
    static constexpr int kVirtualKeys[] = {VK_MENU, VK_CONTROL, VK_SHIFT};
    win32::queueKeyChange(kVirtualKeys[static_cast<int>(command.key)], command.down, command.after);
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::execute(const ClockCommand& command)
{
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(command.year);
    time.wMonth = static_cast<WORD>(command.month);
    time.wDay = static_cast<WORD>(command.day);
    time.wHour = static_cast<WORD>(command.hour);
    time.wMinute = static_cast<WORD>(command.minute);
    win32::setLocalTime(time);
    return std::nullopt;
}

ScriptRunner::Failure ScriptRunner::inputTrouble()
{
    const std::vector<std::string> problems = win32::takeInputProblems();
    if (problems.empty())
        return std::nullopt;
    return problems.front();
}

} // namespace host::app
