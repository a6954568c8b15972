// Twinnel's resource table.
#include "twinnel/resources/resources.h"

#include "foundation/resources/resource_builders.h"
#include "twinnel/resources/dialog_resources.h"

namespace twinnel {
namespace {

constexpr char kVersionText[8] = {'8', '.', '0', 0, 0, 0, 0, 0};
constexpr char kMenuTitle[] = "VORNE";
/// Every bitmap is a stand-in image: the host only needs to find one under the id.
constexpr char kBitmapStandIn[] = "BM";
/// The Edit menu's texts for a clone's step: undo, then redo.
constexpr char kUndoTexts[] = "Undo Twinnel\0Redo Twinnel";

} // namespace

const std::array<xt::Resource, kResourceCount> kTwinnelResources = {{
    {xt::kResourceVersion, 1, kVersionText, sizeof kVersionText},
    {xt::kResourceMenu, 103, kMenuTitle, sizeof kMenuTitle},
    {xt::kResourceDialog, kCloneDialogResource, &kCloneDialogTemplate, static_cast<uint32_t>(sizeof kCloneDialogTemplate)},
    {xt::kResourceDialog, kInsertPagesResource, &kInsertPagesTemplate, static_cast<uint32_t>(sizeof kInsertPagesTemplate)},
    {xt::kResourceMenu, kDestinationMenu, kDestinationEntries, static_cast<uint32_t>(sizeof kDestinationEntries)},
    {xt::kResourceBitmap, kBannerBitmap, kBitmapStandIn, sizeof kBitmapStandIn},
    {xt::fourCC("STRQ"), 20000, kUndoTexts, sizeof kUndoTexts},
}};

} // namespace twinnel
