// Inside a HandleArray block: the header and element addresses shared by the array's source files.
#pragma once

#include "foundation/memory/handle_array.h"

namespace foundation::detail {

bool usable(xt::Handle array);
HandleArrayHeader readHeader(xt::Handle array);
void writeHeader(xt::Handle array, const HandleArrayHeader& header);
/// Element 0; valid until the block moves.
char* elements(xt::Handle array, const HandleArrayHeader& header);

} // namespace foundation::detail
