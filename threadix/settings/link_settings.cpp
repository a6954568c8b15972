// The link settings Threadix keeps for its life.
#include "threadix/settings/link_settings.h"

namespace threadix {
namespace {

LinkSettings g_settings;

} // namespace

LinkSettings& linkSettings()
{
    return g_settings;
}

void SetDefaultLinkSettings()
{
    g_settings = LinkSettings{};
}

std::string boundedPageText(std::string text)
{
    if (text.size() > kPageTextLimit)
        text.resize(kPageTextLimit);
    return text;
}

} // namespace threadix
