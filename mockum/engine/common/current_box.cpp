// The current-box global of the greek operations.
#include "mockum/engine/common/current_box.h"

#include "foundation/binding/binding.h"

namespace mockum {
namespace {

int32_t g_currentBox = 0;

} // namespace

int32_t currentBox()
{
    return g_currentBox;
}

void setCurrentBoxGlobal(int32_t box)
{
    g_currentBox = box;
}

int32_t takeCurrentBox()
{
    int32_t box = 0;
    if (xt::calls::GetCurrentBox(&box) != 0)
        box = 0;
    g_currentBox = box;
    return box;
}

} // namespace mockum
