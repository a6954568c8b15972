// The page-insert confirmation (20001): "Not enough pages in destination layout. OK to insert pages?"
#pragma once

#include <cstdint>

namespace twinnel {

/// True when the user confirms; Cancel, or a dialog the host could not open, is false.
bool confirmInsertPages();

int32_t InsertPagesCallback(void* record);

} // namespace twinnel
