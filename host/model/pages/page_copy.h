// Pages copied from one layout into another (or into the same one): their items and tables with their
// text, section starts, the colours those use (matched by name), the layers they sit on (matched by
// name, made when missing) and the pages' own ruler guides.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/model/document_model.h"

namespace host::model {

struct PageCopyOptions {
    /// A copied page that starts a section starts the same section in the destination.
    bool keepSections = true;
};

/// Copies the document pages `pages` (indices of `source`, in the order given) after page `after`
/// (0 = in front of the first) of `destination`: their items, tables and text (see chain_copy.h for
/// chains), guides and section starts. Everything is read before anything is added, so a layout can
/// copy its own pages. False, with nothing changed, for an index past the source's pages, an `after`
/// past the destination's, or an empty list.
bool copyPages(const Layout& source, Layout& destination, const std::vector<size_t>& pages, size_t after,
    PageCopyOptions options = {});

/// Copies master spread `spread` of `source` (from 0) into `destination` as its spread of the same
/// number, adding spreads up to it: each master page's margins, columns, own guides and items. A page
/// copied afterwards keeps its master spread. False for a spread the source does not have.
bool copyMasterSpread(const Layout& source, size_t spread, Layout& destination);

/// Copies a top-level item onto document page `page` (an index) of `destination`, at the same place on
/// its page. The new item's reference, or 0 when the item cannot be copied (a table, an unknown item).
int32_t copyItemToPage(const Layout& source, int32_t item, Layout& destination, size_t page);

} // namespace host::model
