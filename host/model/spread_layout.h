// Spreads and page numbers: which spread a page sits in and where, how the page numbers the
// plug-ins pass name document and master pages, and the layout window's current page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "host/model/document_model.h"
#include "xtapi/box_record.h"

namespace host::model {

enum class PageList : uint8_t { Document, Masters };

/// A page of a layout: a document page or a master page, by its index (from 0) in its list.
struct PageSlot {
    PageList list = PageList::Document;
    size_t index = 0;
    bool operator==(const PageSlot&) const = default;
};

/// Facing pages: the first page alone, then the rest in pairs; masters become left and right pairs.
void setFacingPages(Layout& layout, bool facing);
size_t spreadCount(const Layout& layout);
/// The document pages of a spread, by index.
std::vector<size_t> pagesOfSpread(const Layout& layout, size_t spread);

/// The place record of a page: spread, place in it, key, number and origin in the spread.
xt::PlaceRecord placeOf(const Layout& layout, PageSlot slot);
int32_t refOf(const Layout& layout, PageSlot slot);
/// Master pages take the size of the first document page.
PageSize sizeOf(const Layout& layout, PageSlot slot);
std::optional<PageSlot> slotOfRef(const Layout& layout, int32_t ref);

/// The page a number names: document pages from 1, or, while the window shows masters, master pages
/// from xt::kFirstMasterIndex. Nullopt for a number that names none.
std::optional<PageSlot> slotOfNumber(const Layout& layout, int32_t number);
int32_t numberOf(PageSlot slot);
/// The page an absolute index names (as GetPageRef and GuideOp3598 take one): master pages from
/// xt::kFirstMasterIndex, then the document pages (a page number plus pageIndexOffset).
std::optional<PageSlot> slotOfIndex(const Layout& layout, int32_t index);
/// The page number that GetPageIndexOffset gives: the master page numbers come first.
int32_t pageIndexOffset(const Layout& layout);

/// The window's current page (the first document page when none was chosen).
PageSlot currentSlot(const Layout& layout);
void makeCurrent(Layout& layout, PageSlot slot);
/// Shows master spread `spread` (from 1) with its first page current, or the document pages again (0),
/// the page current before the masters were shown current again. False for a spread that does not exist.
bool showMasterSpread(Layout& layout, int32_t spread);

/// The guide list that a page number (as slotOfNumber reads it) and a set name: the page's own
/// (xt::kGuidePageSet) or its spread's (xt::kGuideSpreadSet), whose key is the reference of the spread's
/// first page so that document and master spreads never share one. Nullopt for no such page or set.
std::optional<GuideListKey> guideListOf(const Layout& layout, int32_t page, int32_t set);
std::optional<GuideListKey> guideListOfSlot(const Layout& layout, PageSlot slot, int32_t set);

} // namespace host::model
