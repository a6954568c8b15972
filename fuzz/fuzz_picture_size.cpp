// libFuzzer target: the head of an image file as the host reads a picture's size from it.
#include <cstddef>
#include <cstdint>

#include "host/model/items/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)host::model::readPictureSize({data, size});
    return 0;
}
