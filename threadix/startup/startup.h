// Threadix's start-up: its resource file and factory settings.
#pragma once

#include <cstdint>

namespace threadix {

int32_t threadixStartUp();

} // namespace threadix
