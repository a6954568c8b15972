// The selection that step and repeat starts from, kept so that every copy is made from it again
// and scaled about its own corner.
#pragma once

#include <cstdint>
#include <vector>

#include "xtapi/box_record.h"

namespace amplex {

class KeptSelection {
public:
    /// Keeps the current item; for several selected items, the items themselves, since the host
    /// forgets the item standing for them once another selection is made.
    explicit KeptSelection(int32_t current);
    /// Puts the selection back to the measured rectangle it had when the run started.
    ~KeptSelection();
    KeptSelection(const KeptSelection&) = delete;
    KeptSelection& operator=(const KeptSelection&) = delete;

    int32_t current() const { return m_current; }
    /// Makes the kept items the selection again.
    void select() const;

private:
    int32_t m_current = 0;
    std::vector<int32_t> m_members;
    xt::FixedRect m_bounds{};
};

/// The selection rectangle a group or several items scale from becomes the current selection's,
/// so that a copy scales about its own corner rather than the first selection's.
void measureCurrentSelection();

} // namespace amplex
