// The one GreekSettings of the module.
#include "mockum/settings/greek_settings.h"

#include <algorithm>

namespace mockum {
namespace {

GreekSettings g_settings;

} // namespace

GreekSettings& greekSettings()
{
    return g_settings;
}

void resetGreekSettings()
{
    g_settings = GreekSettings{};
}

int32_t pageWithin(int32_t typed, int32_t pageCount)
{
    return std::clamp(typed, 1, std::max(pageCount, 1));
}

} // namespace mockum
