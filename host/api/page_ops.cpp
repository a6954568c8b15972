// Pages: the layout's page structure, the window's current page, refresh notices, and pages
// added and deleted.
#include <vector>

#include "host/model/limits.h"
#include "host/ui/host_alert.h"
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/pages/page_table.h"
#include "host/model/spread_layout.h"
#include "xtapi/page_records.h"

namespace host::api {
namespace {

int32_t GetDocumentValue464()
{
    return 0;
}

int32_t ToolboxOp2844(int32_t)
{
    return 0;
}

int32_t GetPageInfo(xt::DocumentRef document, void* record)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !record)
        return -1;
    xt::PageInfo info{};
    info.pageCount = static_cast<int16_t>(layout->pageCount());
    info.masterCount = static_cast<int16_t>(layout->masters().pageCount());
    info.facing = layout->setup().facing() ? 1 : 0;
    xt::writeAt(record, info);
    return 0;
}

int32_t GetWindowValue3563(xt::WindowRef window, int32_t* page)
{
    const model::Layout* layout = layoutShowing(window);
    if (!layout || !page)
        return -1;
    *page = model::numberOf(model::currentSlot(*layout));
    return 0;
}

int32_t DocumentOp868(xt::WindowRef window, int32_t page)
{
    model::Layout* layout = layoutShowing(window);
    if (!layout)
        return -1;
    const std::optional<model::PageSlot> slot = model::slotOfNumber(*layout, page);
    if (!slot)
        return -1;
    model::makeCurrent(*layout, *slot);
    return 0;
}

/// The refresh notices the plug-ins send after a change: recorded, nothing else to do.
int32_t recordNotice(xt::DocumentRef document, const char* operation, int32_t first, int32_t second)
{
    model::Layout* layout = layoutOfDocument(document);
    if (!layout)
        return -1;
    layout->view().record(operation, first, second);
    return 0;
}

int32_t DocumentOp870(xt::DocumentRef document, int32_t page)
{
    return recordNotice(document, "DocumentOp870", page, 0);
}

int32_t DocumentOp455(xt::DocumentRef document, int32_t what)
{
    return recordNotice(document, "DocumentOp455", what, 0);
}

int32_t DocumentOp459(xt::DocumentRef document, int32_t value)
{
    return recordNotice(document, "DocumentOp459", value, 0);
}

int32_t XpgOp947(xt::DocumentRef document)
{
    return recordNotice(document, "XpgOp947", 0, 0);
}

int32_t DocumentOp490(xt::DocumentRef document, int32_t* facing)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !facing)
        return -1;
    *facing = layout->setup().facing() ? 1 : 0;
    return 0;
}

/// (document, spread from 0, &facing): counted as DocumentOp864 counts spreads.
int32_t PageOp866(xt::DocumentRef document, int32_t spread, uint8_t* facing)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !facing || spread < 0)
        return -1;
    if (model::slotsOfSpread(*layout, {layout->view().showsMasters(), static_cast<size_t>(spread)}).empty())
        return -1;
    *facing = layout->setup().facing() ? 1 : 0;
    return 0;
}

int32_t DocumentOp2783(xt::DocumentRef document, uint8_t* ownSize)
{
    if (!layoutOfDocument(document) || !ownSize)
        return -1;
    *ownSize = 1;
    return 0;
}

/// Adds `count` pages after page `after` (0: in front). The new pages take the first page's size.
int32_t PageOp2213(xt::DocumentRef document, int32_t after, int32_t count, int32_t, int32_t master, int32_t)
{
    model::Layout* layout = layoutOfDocument(document);
    if (!layout || layout->pageCount() == 0 || count < 1 || count > 1000 || after < 0)
        return -1;
    if (static_cast<size_t>(after) > layout->pageCount() || master < 0)
        return -1;
    if (layout->pageCount() + static_cast<size_t>(count) > model::kMostLayoutPages) {
        ui::alertUser(model::kPageLimitMessage);
        return -1;
    }
    const model::PageSize size = layout->page(0).size();
    for (int32_t i = 0; i < count; ++i)
        layout->insertPage(static_cast<size_t>(after + i), size);
    return 0;
}

/// Deletes pages first..last with their items and guides; the layout keeps at least one page.
int32_t PageOp859(xt::DocumentRef document, int32_t first, int32_t last, int32_t)
{
    model::Layout* layout = layoutOfDocument(document);
    if (!layout || first < 1 || last < first || static_cast<size_t>(last) > layout->pageCount())
        return -1;
    if (static_cast<size_t>(last - first + 1) >= layout->pageCount())
        return -1;
    for (int32_t number = last; number >= first; --number) {
        const size_t index = static_cast<size_t>(number - 1);
        const int32_t ref = layout->page(index).ref();
        for (int32_t item : layout->items().topLevelOnPage(ref))
            layout->items().remove(item);
        layout->guides().clear({xt::kGuidePageSet, ref});
        layout->guides().clear({xt::kGuideSpreadSet, ref});
        if (layout->items().currentPage() == ref)
            layout->items().setCurrentPage(0);
        layout->removePage(index);
    }
    return 0;
}

} // namespace

void registerPageOps(OperationRegistry& registry)
{
    registry.add<xt::op::GetDocumentValue464, &GetDocumentValue464>();
    registry.add<xt::op::ToolboxOp2844, &ToolboxOp2844>();
    registry.add<xt::op::GetPageInfo, &GetPageInfo>();
    registry.add<xt::op::GetWindowValue3563, &GetWindowValue3563>();
    registry.add<xt::op::DocumentOp868, &DocumentOp868>();
    registry.add<xt::op::DocumentOp870, &DocumentOp870>();
    registry.add<xt::op::DocumentOp455, &DocumentOp455>();
    registry.add<xt::op::DocumentOp459, &DocumentOp459>();
    registry.add<xt::op::XpgOp947, &XpgOp947>();
    registry.add<xt::op::DocumentOp490, &DocumentOp490>();
    registry.add<xt::op::PageOp866, &PageOp866>();
    registry.add<xt::op::DocumentOp2783, &DocumentOp2783>();
    registry.add<xt::op::PageOp2213, &PageOp2213>();
    registry.add<xt::op::PageOp859, &PageOp859>();
}

} // namespace host::api
