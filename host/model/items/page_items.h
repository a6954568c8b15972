// The items a page holds as page items. An item anchored in a story belongs to its text: Select All
// passes it by, and it moves and scales with the text that holds it.
#pragma once

#include <cstdint>
#include <vector>

namespace host::model {

class Layout;

/// The items of page `pageRef` (0: the pasteboard) that no group holds and no story anchors, back to front.
std::vector<int32_t> pageItems(const Layout& layout, int32_t pageRef);

} // namespace host::model
