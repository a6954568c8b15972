// The bounds the host keeps for every layout and selection, and what it tells a user who meets one.
#pragma once

#include <cstddef>

namespace host::model {

/// `new`, the script's page numbers, documents read from files and pages a plug-in adds all stop here.
inline constexpr size_t kMostLayoutPages = 2000;
inline constexpr char kPageLimitMessage[] = "A layout holds at most 2000 pages: no page was added.";

/// GroupOp720 counts a selection's items in 16 bits, so no selection holds more.
inline constexpr size_t kMostSelectedItems = 32767;
inline constexpr char kSelectionLimitMessage[] = "A selection holds at most 32767 items: nothing was selected.";

} // namespace host::model
