// Mockum's start-up: its resource file and default settings.
#include "mockum/startup/startup.h"

#include "foundation/binding/binding.h"
#include "mockum/settings/greek_settings.h"

namespace mockum {
namespace {

int16_t g_resourceFile = 0;

} // namespace

int32_t mockumStartUp()
{
    xt::calls::GetOwnResourceFile(&g_resourceFile);
    resetGreekSettings();
    return 0;
}

int16_t ownResourceFile()
{
    return g_resourceFile;
}

} // namespace mockum
