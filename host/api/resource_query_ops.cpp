// A plug-in's icons and the tools it registers with them.
#include <filesystem>

#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "win32/standin.h"

namespace host::api {
namespace {

/// A tool is named after its plug-in: "Sipette9.xnt" gives "Sipette" (so does its probe, "Sipette9Probe.xnt").
std::string toolNameOf(const loader::LoadedModule& module)
{
    const std::string stem = std::filesystem::path(module.file).stem().string();
    const size_t digit = stem.find_first_of("0123456789");
    return digit == 0 || digit == std::string::npos ? stem : stem.substr(0, digit);
}

/// The tool number for the icon; a plug-in without an icon registers no tool and gets 0.
int32_t resourceFileOp1843(xt::XTensionId id, int32_t, int32_t icon)
{
    HostContext& host = context();
    const loader::LoadedModule* module = host.plugins().findActive(id);
    if (!module)
        module = host.plugins().current();
    if (!module || !host.tools().isIcon(icon))
        return 0;
    return host.tools().addTool(toolNameOf(*module), id, icon);
}

/// The calling plug-in's group icon resource of this id, as an icon the tool palette can show; 0 when
/// it has no such resource.
int32_t toolboxOp1981(int32_t resourceId, int32_t)
{
    HostContext& host = context();
    const loader::LoadedModule* module = host.plugins().current();
    if (!module || !win32::findResource(module->image, xt::kResourceGroupIcon, resourceId))
        return 0;
    return host.tools().addIcon(module->id, resourceId);
}

/// The palette shows a registered tool at once; there is nothing left to set up.
int32_t toolboxOp2165()
{
    return 0;
}

/// The mouse button, polled as GetAsyncKeyState polls it.
int32_t toolboxOp2062()
{
    return win32::pollKey(VK_LBUTTON) < 0 ? 1 : 0;
}

} // namespace

void registerResourceQueryOps(OperationRegistry& registry)
{
    registry.add<xt::op::ResourceFileOp1843, &resourceFileOp1843>();
    registry.add<xt::op::ToolboxOp1981, &toolboxOp1981>();
    registry.add<xt::op::ToolboxOp2165, &toolboxOp2165>();
    registry.add<xt::op::ToolboxOp2062, &toolboxOp2062>();
}

} // namespace host::api
