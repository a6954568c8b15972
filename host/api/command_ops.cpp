// Host menu commands run by number (XmoOp832(1), then XaqOp2966(number)), the edit bracket around
// a line change, and the layout window with its pages.
#include <cstdio>

#include "host/api/clipboard_commands.h"
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/items/page_items.h"
#include "host/model/spread_layout.h"

namespace host::api {
namespace {

constexpr int32_t kSelectAllOnPage = 210;
constexpr int32_t kOpenLineEdit = 0x3105E3;
constexpr int32_t kCloseLineEdit = 0x3105E4;

/// Command 210: every item of the current page that no group holds and no text anchors becomes the selection.
int32_t selectAllOnPage(model::Layout& layout)
{
    if (layout.pageCount() == 0)
        return -1;
    model::ItemStore& items = layout.items();
    items.selectItems(model::pageItems(layout, model::refOf(layout, model::currentSlot(layout))));
    return 0;
}

int32_t runCommand(model::Layout& layout, int32_t command)
{
    if (command == kSelectAllOnPage)
        return selectAllOnPage(layout);
    if (const std::optional<int32_t> result = runClipboardCommand(layout, command))
        return *result;
    std::fprintf(stderr, "host command %d is not available in this host\n", command);
    return -1;
}

int32_t XmoOp832(int32_t mode)
{
    model::ItemStore* items = currentItems();
    if (!items || mode != 1)
        return -1;
    items->commands().arm();
    return 0;
}

int32_t XaqOp2966(int32_t number)
{
    model::Layout* layout = currentLayout();
    if (!layout)
        return -1;
    model::CommandState& commands = layout->items().commands();
    if (commands.takeArmed())
        return runCommand(*layout, number);
    if (number == kOpenLineEdit) {
        commands.openBracket();
        return 0;
    }
    if (number == kCloseLineEdit)
        return commands.closeBracket() ? 0 : -1;
    return -1;
}

int32_t GetDocumentWindow(xt::DocumentRef document, xt::WindowRef* window)
{
    model::Layout* layout = context().documents().findByRef(document);
    if (!layout || !window)
        return -1;
    *window = layout->items().windowRef();
    return 0;
}

/// The place of page `page` (from 1, or a master page from 4 in master view) of the layout the window shows.
int32_t PageOp3594(xt::WindowRef window, int32_t page, int32_t, void* record)
{
    const model::Layout* layout = layoutShowing(window);
    const auto slot = layout ? model::slotOfNumber(*layout, page) : std::nullopt;
    if (!slot || !record)
        return -1;
    xt::writeAt(record, model::placeOf(*layout, *slot));
    return 0;
}

} // namespace

void registerCommandOps(OperationRegistry& registry)
{
    registry.add<xt::op::XmoOp832, &XmoOp832>();
    registry.add<xt::op::XaqOp2966, &XaqOp2966>();
    registry.add<xt::op::GetDocumentWindow, &GetDocumentWindow>();
    registry.add<xt::op::PageOp3594, &PageOp3594>();
}

} // namespace host::api
