// Registration of the item operations (records, current item, kinds, shapes and lines, groups,
// host commands, the "XPTA" and "QFAU" components) and the lookups they share.
#pragma once

#include <cstdint>

#include "host/api/registry.h"
#include "host/model/document_model.h"

namespace host::api {

/// GetBoxRecord, ReleaseBoxRecord and BoxRecordOp3010.
void registerItemRecordOps(OperationRegistry& registry);
/// GetBoxType, IsTextBox, the ItemType queries, moves and the box services.
void registerItemQueryOps(OperationRegistry& registry);
/// XsiOp1289, the XgfOp end-point transforms and FixedArcTangent.
void registerShapeLineOps(OperationRegistry& registry);
/// GroupOp720, the XgsOp group operations, GetGroupItem, GetGroupItemCount and IsGroup.
void registerGroupOps(OperationRegistry& registry);
/// XmoOp832, XaqOp2966, GetDocumentWindow and PageOp3594.
void registerCommandOps(OperationRegistry& registry);
/// The "XPTA" table component.
void registerTableComponent(OperationRegistry& registry);
/// The "QFAU" drop-shadow component.
void registerDropShadowComponent(OperationRegistry& registry);

/// FormatMeasurement (asked for by the Amplex size warnings).
void registerMeasurementOps(OperationRegistry& registry);
/// NewBoxRecord and InsertBox.
void registerNewBoxOps(OperationRegistry& registry);

/// The current layout, or null when no document is open.
model::Layout* currentLayout();
/// The current layout's items, or null when no document is open.
model::ItemStore* currentItems();
/// An item of the current layout, or null.
model::Item* findItem(int32_t ref);
/// The layout whose store gave out `record`, or null.
model::Layout* layoutOfRecord(const void* record);

} // namespace host::api
