// The session-script commands for what a user does with the mouse, the keys and the layout window:
// choosing items, text, pages, layouts and tools, clicking, and input that changes over time.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host::app {

/// `select 12 "Title"`: the items, by reference or by name, become the selection in the order given.
struct SelectItemsCommand {
    std::vector<std::string> items;
    bool operator==(const SelectItemsCommand&) const = default;
};

/// `select text 12 0 5`: characters FROM up to TO of the text box's story are selected, the box current.
struct SelectTextCommand {
    std::string item;
    int from = 0;
    int to = 0;
    bool operator==(const SelectTextCommand&) const = default;
};

/// `select page N`: a click on an empty part of page N (from 1): the page is current, nothing selected.
struct SelectPageCommand {
    int page = 0;
    bool operator==(const SelectPageCommand&) const = default;
};

/// `go to page N` (the selection stays) or `go to master NAME` (the master spread is shown).
struct GoToCommand {
    std::optional<int> page;
    std::string master;
    bool operator==(const GoToCommand&) const = default;
};

/// `layout NAME` or `layout PROJECT > LAYOUT`: the layout (or a project's first layout) becomes current.
struct LayoutCommand {
    std::string project; // empty: NAME alone, a layout's name or a project's
    std::string name;
    bool operator==(const LayoutCommand&) const = default;
};

/// `tool item`, `tool content`, or a tool a plug-in registered, by its name.
struct ToolCommand {
    std::string name;
    bool operator==(const ToolCommand&) const = default;
};

/// `click X Y`: the current tool clicks the current page at (X, Y) points from its top-left corner.
struct ClickCommand {
    double x = 0;
    double y = 0;
    bool operator==(const ClickCommand&) const = default;
};

} // namespace host::app

namespace host::app {

/// `mouse down after 3 at 200 300`: the mouse button goes down (or up) once the plug-ins have polled it
/// AFTER times since the change before (or since now), the cursor moving to the page point when given.
struct MouseCommand {
    bool down = false;
    int after = 0;
    std::optional<double> x;
    std::optional<double> y;
    bool operator==(const MouseCommand&) const = default;
};

enum class ModifierKey { Alt, Ctrl, Shift };

/// `key alt down [after N]`: a modifier key goes down or up, after N polls of that key.
struct KeyCommand {
    ModifierKey key = ModifierKey::Alt;
    bool down = false;
    int after = 0;
    bool operator==(const KeyCommand&) const = default;
};

/// `clock 2026-12-11 09:30`: the local time the host reports from now on.
struct ClockCommand {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    bool operator==(const ClockCommand&) const = default;
};

} // namespace host::app

namespace host::app {

/// `guide event vertical 0 [spread]`: the user double-clicks a guide of the current page (or of its
/// spread), by its kind and its index among the guides of that kind.
struct GuideEventCommand {
    bool horizontal = false;
    int index = 0;
    bool spread = false;
    bool operator==(const GuideEventCommand&) const = default;
};

/// `print` ends the job a plug-in started as printed (or prints the current layout when none waits);
/// `print cancel` abandons the waiting job.
struct PrintCommand {
    bool cancel = false;
    bool operator==(const PrintCommand&) const = default;
};

} // namespace host::app
