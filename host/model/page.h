// A page of a layout: its reference and its size.
#pragma once

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

private:
    int32_t m_ref;
    PageSize m_size;
};

} // namespace host::model
