// The item walk's end, asked for twice.
#include "foundation/document/item_walk.h"

#include "foundation/binding/binding.h"

namespace foundation {

int32_t confirmedNextItem(int32_t item, int32_t flags)
{
    const int32_t next = xt::calls::GetNextItem(item, flags);
    return next != 0 ? next : xt::calls::GetNextItem(item, flags);
}

} // namespace foundation
