// Threadix's resource table.
#include "threadix/resources/resources.h"

#include "threadix/resources/dialog_resources.h"

namespace threadix {
namespace {

constexpr char kVersionText[8] = {'8', '.', '0', '.', '0', 0, 0, 0};
constexpr char kBitmapStandIn[] = "BM";
/// The host's Edit menu texts for a Threadix step.
constexpr char kUndoTexts[] = "Undo Threadix\0Redo Threadix";

template <class Template>
constexpr xt::Resource dialog(int32_t id, const Template& made)
{
    return {xt::kResourceDialog, id, &made, static_cast<uint32_t>(sizeof made)};
}

} // namespace

const std::array<xt::Resource, kResourceCount> kThreadixResources = {{
    {xt::kResourceVersion, 1, kVersionText, sizeof kVersionText},
    dialog(kLinkDialogResource, kLinkDialogTemplate),
    dialog(kHelpDialogResource, kHelpDialogTemplate),
    dialog(kProgressResource, kProgressTemplate),
    {xt::kResourceBitmap, kBannerBitmap, kBitmapStandIn, sizeof kBitmapStandIn},
    {xt::kResourceBitmap, kModesBitmap, kBitmapStandIn, sizeof kBitmapStandIn},
    {xt::fourCC("STRQ"), 20000, kUndoTexts, sizeof kUndoTexts},
}};

} // namespace threadix
