// Threadix's resource table.
#include "threadix/resources/resources.h"

#include "foundation/resources/resource_builders.h"
#include "threadix/resources/dialog_resources.h"

namespace threadix {
namespace {

constexpr char kVersionText[8] = {'8', '.', '0', '.', '0', 0, 0, 0};
using foundation::resources::bitmapEntry;
using foundation::resources::dialogEntry;

} // namespace

const std::array<xt::Resource, kResourceCount> kThreadixResources = {{
    {xt::kResourceVersion, 1, kVersionText, sizeof kVersionText},
    dialogEntry(kLinkDialogResource, kLinkDialogTemplate),
    dialogEntry(kHelpDialogResource, kHelpDialogTemplate),
    dialogEntry(kProgressResource, kProgressTemplate),
    bitmapEntry(kBannerBitmap),
    bitmapEntry(kModesBitmap),
}};

} // namespace threadix
