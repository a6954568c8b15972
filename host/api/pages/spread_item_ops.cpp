// The page item of a spread and its page table, and the window's page record.
#include <algorithm>
#include <cstring>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/api/pages/spread_records.h"
#include "host/model/pages/page_table.h"
#include "win32/standin.h"

namespace host::api {
namespace {

/// (document, spread, &item): the page item of spread `spread` (from 0) of the pages the layout
/// window shows, document pages or masters; 0 and a failure for a spread it does not have.
int32_t DocumentOp864(xt::DocumentRef document, int32_t spread, int32_t* item)
{
    if (item)
        *item = 0;
    model::Layout* layout = layoutOfDocument(document);
    if (!layout || !item || spread < 0)
        return -1;
    const model::SpreadKey key{layout->view().showsMasters(), static_cast<size_t>(spread)};
    if (model::slotsOfSpread(*layout, key).empty())
        return -1;
    *item = layout->spreadItems().itemOf(key);
    return 0;
}

/// (window, &record): the place record of the window's current page; its spread number (at 0) is
/// the one DocumentOp864 and PageOp866 take.
int32_t PageOp3596(xt::WindowRef window, void* record)
{
    const model::Layout* layout = layoutShowing(window);
    if (!layout || !record || layout->pageCount() == 0)
        return -1;
    xt::writeAt(record, model::placeOf(*layout, model::currentSlot(*layout)));
    return 0;
}

int32_t failDocumentOp864(xt::DocumentRef, int32_t, int32_t* item)
{
    if (item)
        *item = 0;
    return -1;
}

std::optional<model::SpreadKey> spreadOfItem(model::Layout& layout, int32_t item)
{
    return item == 0 ? std::nullopt : layout.spreadItems().spreadOf(item);
}

} // namespace

void* spreadRecordOf(int32_t item)
{
    model::Layout* layout = currentLayout();
    const auto key = layout ? spreadOfItem(*layout, item) : std::nullopt;
    const auto table = key ? model::pageTableOf(*layout, *key) : std::nullopt;
    if (!table)
        return nullptr;
    const std::vector<uint8_t> bytes = model::pageTableBytes(*table);
    xt::Handle handle = win32::newHandle(static_cast<int32_t>(bytes.size()));
    if (!handle)
        return nullptr;
    std::memcpy(*handle, bytes.data(), bytes.size());
    layout->spreadItems().gaveOut(handle, *key);
    return handle;
}

bool releaseSpreadRecord(void* record)
{
    model::Layout* layout = currentLayout();
    if (!layout || !record || !layout->spreadItems().takeBack(record))
        return false;
    win32::disposeHandle(static_cast<xt::Handle>(record));
    return true;
}

std::optional<int16_t> applySpreadRecord(void* record)
{
    model::Layout* layout = currentLayout();
    const auto key = layout && record ? layout->spreadItems().recordOf(record) : std::nullopt;
    if (!key)
        return std::nullopt;
    const auto handle = static_cast<xt::Handle>(record);
    const auto table = model::pageTableFromBytes(reinterpret_cast<const uint8_t*>(*handle),
        static_cast<size_t>(std::max(win32::handleSize(handle), 0)));
    if (!table || !model::applyPageTableMargins(*layout, *key, *table))
        return int16_t{-1};
    return int16_t{0};
}

std::optional<int32_t> spreadItemBounds(int32_t item, xt::Fixed* bounds)
{
    model::Layout* layout = currentLayout();
    const auto key = layout ? spreadOfItem(*layout, item) : std::nullopt;
    if (!key)
        return std::nullopt;
    const auto table = model::pageTableOf(*layout, *key);
    if (!table || !bounds)
        return -1;
    xt::FixedRect rect{table->front().top, table->front().left, table->front().bottom, table->front().right};
    for (const xt::PageTableEntry& entry : *table) {
        rect.bottom = std::max(rect.bottom, entry.bottom);
        rect.right = std::max(rect.right, entry.right);
    }
    xt::writeAt(bounds, rect);
    return 0;
}

void registerSpreadItemOps(OperationRegistry& registry)
{
    registry.add<xt::op::DocumentOp864, &DocumentOp864, &failDocumentOp864>();
    registry.add<xt::op::PageOp3596, &PageOp3596>();
}

} // namespace host::api
