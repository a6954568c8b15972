// Registration of the host operations that Amplex brought: palettes, the host's own menus, the
// current item and the resource queries.
#pragma once

#include "host/api/registry.h"

namespace host::api {

/// XpbOp5062, XpbOp877 and XmoOp2657.
void registerPaletteOps(OperationRegistry& registry);
/// GetCurrentBox, SetCurrentBox, GetBoxBounds, ItemOp224, ItemOp207 and the tool (current_item_ops.cpp).
void registerCurrentItemOps(OperationRegistry& registry);
/// ResourceFileOp1843 and ToolboxOp1981.
void registerResourceQueryOps(OperationRegistry& registry);

} // namespace host::api
