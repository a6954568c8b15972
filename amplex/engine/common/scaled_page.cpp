// The page test of the scalers.
#include "amplex/engine/common/scaled_page.h"

#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"

namespace amplex {
namespace {

int16_t g_currentScalePage = 0;

} // namespace

void setCurrentScalePage(int16_t pageKey)
{
    g_currentScalePage = pageKey;
}

int16_t currentScalePage()
{
    return g_currentScalePage;
}

bool IsOnScaledPage()
{
    if (currentSettings().ScaleWhat != ScalePageRange)
        return true;
    int32_t item = 0;
    foundation::reportHostResult(xt::calls::GetCurrentBox(&item));
    ItemPlace place{};
    if (item == 0 || xt::calls::GetBoxBounds(item, 0, &place) != 0)
        return false;
    return place.pageKey == g_currentScalePage;
}

} // namespace amplex
