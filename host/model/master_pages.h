// A layout's master pages: spreads of one page, or of a left and a right page when pages face.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/model/page.h"
#include "host/model/page_setup.h"
#include "host/model/reference_allocator.h"

namespace host::model {

/// A master page keeps its own margins and columns; its size is the layout's page size.
class MasterPage {
public:
    explicit MasterPage(int32_t ref) : m_ref(ref) {}

    int32_t ref() const { return m_ref; }
    const PageMargins& margins() const { return m_margins; }
    const ColumnGuides& columns() const { return m_columns; }
    void setMargins(const PageMargins& margins) { m_margins = margins; }
    void setColumns(const ColumnGuides& columns) { m_columns = columns; }

private:
    int32_t m_ref;
    PageMargins m_margins;
    ColumnGuides m_columns;
};

/// The masters are numbered page by page from 0 here; a spread holds `pagesPerSpread` of them.
class MasterPages {
public:
    /// Starts with one master spread ("A-Master") of one page.
    explicit MasterPages(ReferenceAllocator& references);

    size_t pageCount() const { return m_pages.size(); }
    size_t spreadCount() const { return m_pages.size() / m_pagesPerSpread; }
    size_t pagesPerSpread() const { return m_pagesPerSpread; }
    MasterPage& page(size_t index) { return m_pages.at(index); }
    const MasterPage& page(size_t index) const { return m_pages.at(index); }
    /// The index of the master page with this reference, or -1.
    int64_t indexOf(int32_t ref) const;

    /// Adds a master spread at the end and returns the index of its first page.
    size_t addSpread();
    /// Facing masters come in pairs: every spread gains its right page (or loses it).
    void setFacing(bool facing);

private:
    ReferenceAllocator* m_references;
    size_t m_pagesPerSpread = 1;
    std::vector<MasterPage> m_pages;
};

} // namespace host::model
