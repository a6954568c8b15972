// The tool palette: the host's tools and those the plug-ins register.
#include "host/ui/tool_box.h"

#include <algorithm>
#include <cctype>

namespace host::ui {
namespace {

/// Icons are numbered in a band of their own so a stray number is not taken for one.
constexpr int32_t kFirstIcon = 0x49430001;
/// Plug-in tools follow the host's, with room for the host to grow.
constexpr int32_t kFirstPluginTool = 100;

bool sameName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

ToolBox::ToolBox()
{
    m_tools.push_back({kItemTool, "item", 0});
    m_tools.push_back({kContentTool, "content", 0});
}

int32_t ToolBox::addIcon(xt::XTensionId owner, int32_t resourceId)
{
    for (size_t i = 0; i < m_icons.size(); ++i) {
        if (m_icons[i].owner == owner && m_icons[i].resourceId == resourceId)
            return kFirstIcon + static_cast<int32_t>(i);
    }
    m_icons.push_back({owner, resourceId, 0});
    return kFirstIcon + static_cast<int32_t>(m_icons.size() - 1);
}

bool ToolBox::isIcon(int32_t icon) const
{
    return icon >= kFirstIcon && icon - kFirstIcon < static_cast<int32_t>(m_icons.size());
}

int32_t ToolBox::addTool(std::string name, xt::XTensionId owner, int32_t icon)
{
    if (!isIcon(icon))
        return 0;
    Icon& entry = m_icons[static_cast<size_t>(icon - kFirstIcon)];
    if (entry.tool != 0)
        return entry.tool;
    entry.tool = kFirstPluginTool + static_cast<int32_t>(m_tools.size()) - 2;
    m_tools.push_back({entry.tool, std::move(name), owner});
    return entry.tool;
}

const Tool* ToolBox::find(std::string_view name) const
{
    const auto found = std::ranges::find_if(m_tools, [&](const Tool& tool) { return sameName(tool.name, name); });
    return found == m_tools.end() ? nullptr : &*found;
}

const Tool* ToolBox::byNumber(int32_t number) const
{
    const auto found = std::ranges::find_if(m_tools, [&](const Tool& tool) { return tool.number == number; });
    return found == m_tools.end() ? nullptr : &*found;
}

} // namespace host::ui
