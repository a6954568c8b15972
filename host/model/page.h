// A page of a layout: its reference, its size and its master.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace host::model {

/// A page's trim size in points. The host's default page is US Letter.
struct PageSize {
    xt::Fixed width = 612 * xt::kFixedOne;
    xt::Fixed height = 792 * xt::kFixedOne;
    bool operator==(const PageSize&) const = default;
};

class Page {
public:
    Page(int32_t ref, PageSize size) : m_ref(ref), m_size(size) {}

    int32_t ref() const { return m_ref; }
    const PageSize& size() const { return m_size; }
    void resize(PageSize size) { m_size = size; }
    /// The master spread the page is based on, from 0 (the layout's first, "A-Master").
    size_t masterSpread() const { return m_masterSpread; }
    void setMasterSpread(size_t spread) { m_masterSpread = spread; }

private:
    int32_t m_ref;
    PageSize m_size;
    size_t m_masterSpread = 0;
};

} // namespace host::model
