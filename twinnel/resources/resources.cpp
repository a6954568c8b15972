// Twinnel's resource table.
#include "twinnel/resources/resources.h"

#include "foundation/resources/resource_builders.h"
#include "twinnel/resources/dialog_resources.h"

namespace twinnel {
namespace {

constexpr char kVersionText[8] = {'8', '.', '0', 0, 0, 0, 0, 0};
constexpr char kMenuTitle[] = "VORNE";
using foundation::resources::bitmapEntry;
using foundation::resources::dialogEntry;
using foundation::resources::menuEntry;
/// The Edit menu's texts for a clone's step: undo, then redo.
constexpr char kUndoTexts[] = "Undo Twinnel\0Redo Twinnel";

} // namespace

const std::array<xt::Resource, kResourceCount> kTwinnelResources = {{
    {xt::kResourceVersion, 1, kVersionText, sizeof kVersionText},
    {xt::kResourceMenu, 103, kMenuTitle, sizeof kMenuTitle},
    dialogEntry(kCloneDialogResource, kCloneDialogTemplate),
    dialogEntry(kInsertPagesResource, kInsertPagesTemplate),
    menuEntry(kDestinationMenu, kDestinationEntries),
    bitmapEntry(kBannerBitmap),
    {xt::fourCC("STRQ"), 20000, kUndoTexts, sizeof kUndoTexts},
}};

} // namespace twinnel
