// Registration of the dialog, tab, control, field, list, picture and palette-window operations.
#pragma once

#include "host/api/registry.h"

namespace host::api {

/// OpenDialog, OpenPalette, closing, window rectangles, redraws, tabs, XaqOp142 and ToolboxOp2071 (dialog_ops.cpp).
void registerDialogOps(OperationRegistry& registry);
/// Item states, check boxes, radio groups, static texts and set-up values (control_ops.cpp).
void registerControlOps(OperationRegistry& registry);
/// Numeric fields and ParseMeasurement (field_ops.cpp).
void registerFieldOps(OperationRegistry& registry);
/// Popup menus from resources, list set-up, row values, picture objects and item pictures (picture_list_ops.cpp).
void registerPictureListOps(OperationRegistry& registry);

} // namespace host::api
