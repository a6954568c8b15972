// The working clone settings and their factory values.
#include "twinnel/settings/clone_settings.h"

namespace twinnel {
namespace {

CloneSettings g_settings;

} // namespace

CloneSettings& cloneSettings()
{
    return g_settings;
}

void SetDefaultCloneSettings()
{
    g_settings = CloneSettings{};
}

std::string keptPageText(std::string typed)
{
    if (typed.size() > kPageTextMax)
        typed.resize(kPageTextMax);
    return typed;
}

} // namespace twinnel
