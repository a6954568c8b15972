// The blank sibling's start-up: empties the service block it has just published.
#include "foundation/tests/modules/blank_sibling/blank_block.h"

#include <cstring>

#include "foundation/plugin/plugin_state.h"

namespace blank_sibling {

int32_t blankServiceBlock()
{
    xt::Handle block = foundation::pluginState().serviceBlock();
    if (block && *block)
        std::memset(*block, 0, sizeof(void*));
    return 0;
}

} // namespace blank_sibling
