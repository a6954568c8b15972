// Unlinking or relinking every text box of a list of pages, with a progress box the user can stop by
// holding the mouse button down.
#pragma once

#include <string>
#include <vector>

#include "threadix/engine/chain_work.h"

namespace threadix {

/// What a page run shows while it works (the progress box, in the command).
class RunProgress {
public:
    virtual ~RunProgress() = default;
    virtual void open(const std::string& text) = 0;
    virtual void show(const std::string& text) = 0;
    virtual void close() = 0;
};

enum class RunEnd : uint8_t {
    Finished,
    Cancelled,  ///< the mouse button was down after an item: the items before it stay done
};

/// Unlinks in `mode` each text box of each page of `pages` (page numbers from 1, in run order) that lies
/// on that page. Pages outside the document are passed over.
RunEnd UnlinkPages(const WorkPlace& place, const std::vector<int>& pages, UnlinkMode mode, RunProgress& progress);

/// Relinks each text box with a chain record on each page of `pages`.
RunEnd RelinkPages(const WorkPlace& place, const std::vector<int>& pages, bool keepText, RunProgress& progress);

} // namespace threadix
