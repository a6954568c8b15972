// Threadix's resource table.
#include "threadix/resources/resources.h"

#include "foundation/resources/resource_builders.h"
#include "threadix/resources/dialog_resources.h"

namespace threadix {
namespace {

constexpr char kVersionText[8] = {'8', '.', '0', '.', '0', 0, 0, 0};
using foundation::resources::bitmapEntry;
using foundation::resources::dialogEntry;
/// The host's Edit menu texts for a Threadix step.
constexpr char kUndoTexts[] = "Undo Threadix\0Redo Threadix";

} // namespace

const std::array<xt::Resource, kResourceCount> kThreadixResources = {{
    {xt::kResourceVersion, 1, kVersionText, sizeof kVersionText},
    dialogEntry(kLinkDialogResource, kLinkDialogTemplate),
    dialogEntry(kHelpDialogResource, kHelpDialogTemplate),
    dialogEntry(kProgressResource, kProgressTemplate),
    bitmapEntry(kBannerBitmap),
    bitmapEntry(kModesBitmap),
    {xt::fourCC("STRQ"), 20000, kUndoTexts, sizeof kUndoTexts},
}};

} // namespace threadix
