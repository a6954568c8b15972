// The blank sibling's start-up: empties the service block it has just published.
#pragma once

#include <cstdint>

namespace blank_sibling {

int32_t blankServiceBlock();

} // namespace blank_sibling
