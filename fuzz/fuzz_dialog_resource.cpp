// libFuzzer target: a module's dialog and menu resources as the host reads them.
#include <cstddef>
#include <cstdint>

#include "host/ui/dialog_resource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)host::ui::readDialogResource(data, size);
    (void)host::ui::readMenuResource(data, size);
    return 0;
}
