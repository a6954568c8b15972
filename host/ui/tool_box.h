// The tool palette: the host's item and content tools, the tools plug-ins register, and the tool
// chosen while no layout is open (a layout keeps its own).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xtapi/types.h"

namespace host::ui {

inline constexpr int32_t kItemTool = 0;
inline constexpr int32_t kContentTool = 1;

struct Tool {
    int32_t number = 0;
    std::string name;
    xt::XTensionId owner = 0; // 0 for the host's own tools
};

class ToolBox {
public:
    ToolBox();

    /// An icon the palette can show: a plug-in's group icon resource, by the plug-in and its id.
    int32_t addIcon(xt::XTensionId owner, int32_t resourceId);
    bool isIcon(int32_t icon) const;
    /// Adds a tool with this icon to the palette; a plug-in registering the same icon again gets the same tool.
    int32_t addTool(std::string name, xt::XTensionId owner, int32_t icon);

    /// The tool of this name ("item", "content", or a plug-in's tool), in any case; null when none.
    const Tool* find(std::string_view name) const;
    const Tool* byNumber(int32_t number) const;
    const std::vector<Tool>& tools() const { return m_tools; }

    int32_t toolWithoutLayout() const { return m_toolWithoutLayout; }
    void setToolWithoutLayout(int32_t tool) { m_toolWithoutLayout = tool; }

private:
    struct Icon {
        xt::XTensionId owner;
        int32_t resourceId;
        int32_t tool; // 0 until a tool takes it
    };
    std::vector<Icon> m_icons;
    std::vector<Tool> m_tools;
    int32_t m_toolWithoutLayout = kItemTool;
};

} // namespace host::ui
