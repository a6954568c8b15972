// Threadix's start-up.
#include "threadix/startup/startup.h"

#include "foundation/binding/binding.h"
#include "threadix/settings/link_settings.h"

namespace threadix {
namespace {

int16_t g_resourceFile = 0;

} // namespace

int32_t threadixStartUp()
{
    xt::calls::GetOwnResourceFile(&g_resourceFile);
    SetDefaultLinkSettings();
    return 0;
}

} // namespace threadix
