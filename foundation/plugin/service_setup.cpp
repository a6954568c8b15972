// The level-300 set-up: the plug-in's window ids and its SharedMenuService.
#include <cstring>

#include "foundation/menu/vendor_menu.h"
#include "foundation/plugin/plugin_state.h"
#include "foundation/plugin/skeleton.h"
#include "win32/windows.h"
#include "xtapi/status.h"

namespace foundation {

namespace {

constexpr int32_t kServiceKind = 1;

/// Stops at the first failed reservation, so no later step runs on ids the host never gave.
int32_t reserveWindowIds(const PluginDescription& description, xt::SetupRecord& record)
{
    const int32_t count = description.windowIdCount;
    if (count <= 0)
        return xt::kStatusOk;
    if (count > kMaxWindowIds || !record.reserveWindowIds)
        return xt::kStatusRefused;
    if (description.reservation == Reservation::OneBlock) {
        int32_t base = 0;
        const int32_t status = record.reserveWindowIds(count, &base);
        if (status != xt::kStatusOk)
            return status;
        for (int32_t k = 0; k < count; ++k)
            pluginState().addWindowId(base + k);
        return xt::kStatusOk;
    }
    for (int32_t k = 0; k < count; ++k) {
        int32_t id = 0;
        const int32_t status = record.reserveWindowIds(1, &id);
        if (status != xt::kStatusOk)
            return status;
        pluginState().addWindowId(id);
    }
    return xt::kStatusOk;
}

/// The service block holds one pointer-sized slot, so the address of GetVendorMenuId fits whole.
int32_t publishSharedMenuService(const PluginDescription& description, xt::SetupRecord& record)
{
    if (description.menuService == MenuService::None)
        return xt::kStatusOk;
    if (!record.newServiceId || !record.publishService)
        return xt::kStatusRefused;
    uint32_t serviceId = 0;
    if (record.newServiceId(1, &serviceId) != xt::kStatusOk)
        return xt::kStatusRefused;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(xt::SharedMenuServiceBlock));
    if (!block || !*block)
        return xt::kStatusRefused;
    const xt::SharedMenuServiceBlock service{&GetVendorMenuId};
    std::memcpy(*block, &service, sizeof service);
    if (record.publishService(serviceId, block, kServiceKind, 0) != xt::kStatusOk) {
        GlobalFree(block);
        return xt::kStatusRefused;
    }
    pluginState().keepService(serviceId, block);
    return xt::kStatusOk;
}

} // namespace

int32_t RegisterServices(xt::SetupRecord* record)
{
    const PluginDescription* description = pluginState().description();
    if (!record || !description)
        return xt::kStatusRefused;
    if (description->serviceOrder == ServiceOrder::PublishFirst) {
        const int32_t status = publishSharedMenuService(*description, *record);
        if (status != xt::kStatusOk)
            return status;
        return reserveWindowIds(*description, *record);
    }
    const int32_t status = reserveWindowIds(*description, *record);
    if (status != xt::kStatusOk)
        return status;
    return publishSharedMenuService(*description, *record);
}

} // namespace foundation
