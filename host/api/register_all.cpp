// The list of the host's operation areas; a new area adds one line.
#include "host/api/amplex_ops.h"
#include "host/api/colours/colour_lists.h"
#include "host/api/dialog_ops.h"
#include "host/api/item_ops.h"
#include "host/api/operations.h"
#include "host/api/page_ops.h"
#include "host/api/story_ops.h"

namespace host::api {

void registerAllOperations(OperationRegistry& registry)
{
    registerMemoryOperations(registry);
    registerFileOperations(registry);
    registerResourceOperations(registry);
    registerErrorOperations(registry);
    registerCursorOperations(registry);
    registerMenuOperations(registry);
    registerDocumentOperations(registry);
    registerWindowOperations(registry);
    registerTextOperations(registry);
    registerFontOperations(registry);
    registerPaletteOps(registry);
    registerCurrentItemOps(registry);
    registerItemRecordOps(registry);
    registerItemQueryOps(registry);
    registerShapeLineOps(registry);
    registerGroupOps(registry);
    registerCommandOps(registry);
    registerPageOps(registry);
    registerSpreadOps(registry);
    registerPageSetupOps(registry);
    registerGuideOps(registry);
    registerViewOps(registry);
    registerStyleSheetOps(registry);
    registerUndoOps(registry);
    registerTableComponent(registry);
    registerDropShadowComponent(registry);
    registerMeasurementOps(registry);
    registerNewBoxOps(registry);
    registerResourceQueryOps(registry);
    registerDialogOps(registry);
    registerControlOps(registry);
    registerFieldOps(registry);
    registerPictureListOps(registry);
    registerTextStoryOps(registry);
    registerTextAttributeOps(registry);
    registerComposerOps(registry);
    registerDataBlockOps(registry);
    registerColourListOps(registry);
    registerColourEditOps(registry);
    registerColourConversionOps(registry);
}

} // namespace host::api
