// A clone as one undo step: what it added is noted as it is made; Undo sets it aside with the host and
// Redo puts back the very same pages, items and layouts.
#pragma once

#include <cstdint>
#include <vector>

#include "xtapi/types.h"

namespace twinnel {

class CloneUndo {
public:
    /// Starts the notes of a new clone from the source layout, dropping the last one's.
    void begin(int16_t source);
    void noteNewLayout(xt::DocumentRef layout, bool wholeProject);
    void notePages(xt::DocumentRef layout, int32_t first, int32_t count);
    void noteItem(xt::DocumentRef layout, int32_t item);

    /// Sets aside what the clone added, last first; false when the host refused a step.
    bool undo();
    /// Puts it back, first first; false when the host refused a step.
    bool redo();

private:
    enum class Kind : uint8_t { Layout, Project, Pages, Item };
    struct Added {
        Kind kind;
        xt::DocumentRef layout;
        int32_t first = 0; ///< a page number, or the item
        int32_t count = 0;
        int32_t kept = 0;  ///< the host's number while it is set aside
    };
    int32_t setAside(const Added& added) const;

    std::vector<Added> m_added;
    int16_t m_source = -1;
    bool m_undone = false;
};

/// The one clone Undo and Redo work on.
CloneUndo& cloneUndo();

} // namespace twinnel
