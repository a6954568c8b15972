// Twinnel's start-up: its resource file and the factory settings.
#include "twinnel/startup/startup.h"

#include "foundation/binding/binding.h"
#include "twinnel/settings/clone_settings.h"

namespace twinnel {
namespace {

int16_t g_resourceFile = 0;

} // namespace

int32_t twinnelStartUp()
{
    xt::calls::GetOwnResourceFile(&g_resourceFile);
    SetDefaultCloneSettings();
    return 0;
}

} // namespace twinnel
