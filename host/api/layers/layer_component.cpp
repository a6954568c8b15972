// The "QLY" component: a layout's layers (find, create, make current, put items on, delete) and the
// page copies between layouts, with XsqOp1307's copy of one item.
#include <cstring>
#include <string_view>
#include <vector>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/model/layers/layer_edits.h"
#include "host/model/limits.h"
#include "host/host_context.h"
#include "host/model/pages/page_copy.h"
#include "host/model/pages/page_names.h"
#include "host/ui/host_alert.h"
#include "win32/standin.h"
#include "xtapi/components.h"

namespace host::api {
namespace {

static_assert(xt::kDefaultLayerId == model::kDefaultLayer);
static_assert(xt::kDeleteLayerItems == model::kDeleteLayerItems);

/// A plug-in's name, read no further than a layer name can be long.
std::optional<std::string_view> nameOf(const char* name)
{
    if (!name)
        return std::nullopt;
    const size_t length = strnlen(name, model::kMaxLayerName + 1);
    return std::string_view(name, length);
}

int32_t GetCurrentLayer(xt::DocumentRef document, int32_t* layer)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !layer)
        return -1;
    *layer = layout->layers().current();
    return 0;
}

int32_t FindLayer(xt::DocumentRef document, const char* name, int32_t* layer)
{
    const model::Layout* layout = layoutOfDocument(document);
    const auto text = nameOf(name);
    const model::Layer* found = layout && text ? layout->layers().findByName(*text) : nullptr;
    if (!found || !layer)
        return -1;
    *layer = found->id;
    return 0;
}

int32_t CreateLayer(xt::DocumentRef document, const char* name, int32_t* layer)
{
    model::Layout* layout = layoutOfDocument(document);
    const auto text = nameOf(name);
    if (!layout || !text || !layer)
        return -1;
    const auto made = layout->layers().create(*text);
    if (!made)
        return -1;
    *layer = *made;
    return 0;
}

int32_t SetCurrentLayer(xt::DocumentRef document, int32_t layer)
{
    model::Layout* layout = layoutOfDocument(document);
    return layout && model::makeLayerCurrent(*layout, layer) ? 0 : -1;
}

int32_t SetItemLayer(xt::DocumentRef document, int32_t item, int32_t layer)
{
    model::Layout* layout = layoutOfDocument(document);
    return layout && model::assignLayer(*layout, item, layer) ? 0 : -1;
}

int32_t GetItemLayer(xt::DocumentRef document, int32_t item, int32_t* layer)
{
    const model::Layout* layout = layoutOfDocument(document);
    const model::Item* found = layout ? layout->items().find(item) : nullptr;
    if (!found || !layer)
        return -1;
    *layer = found->layer();
    return 0;
}

int32_t DeleteLayerOp(xt::DocumentRef document, int32_t layer, int32_t destination)
{
    model::Layout* layout = layoutOfDocument(document);
    return layout && model::deleteLayer(*layout, layer, destination) ? 0 : -1;
}

/// The page list's 16-bit page numbers (from 1) as page indices; nullopt for a number outside the layout.
std::optional<std::vector<size_t>> pageList(const model::Layout& layout, xt::Handle list)
{
    if (!list || !*list || !win32::isHandle(list))
        return std::nullopt;
    const int32_t size = win32::handleSize(list);
    std::vector<size_t> pages;
    for (int32_t offset = 0; offset + 2 <= size; offset += 2) {
        const auto number = xt::readAt<int16_t>(*list, static_cast<size_t>(offset));
        if (number < 1 || static_cast<size_t>(number) > layout.pageCount())
            return std::nullopt;
        pages.push_back(static_cast<size_t>(number - 1));
    }
    return pages;
}

int32_t CopyPages(xt::DocumentRef source, xt::DocumentRef destination, xt::Handle list, int32_t after, int32_t flags)
{
    const model::Layout* from = layoutOfDocument(source);
    model::Layout* to = layoutOfDocument(destination);
    const auto pages = from ? pageList(*from, list) : std::nullopt;
    if (!to || !pages || after < 0)
        return -1;
    if (to->pageCount() + pages->size() > model::kMostLayoutPages) {
        ui::alertUser(model::kPageLimitMessage);
        return -1;
    }
    const model::PageCopyOptions options{.keepSections = (flags & xt::kCopyPagesKeepSections) != 0};
    return model::copyPages(*from, *to, *pages, static_cast<size_t>(after), options) ? 0 : -1;
}

// The page-copy entries of a layout: entry 0 stands for its document pages (which CopyPages copies, by
// list), each entry after it for one master spread, A-Master first. A caller that copies entries 1 on
// into a new layout thus gives it every master spread.
constexpr int32_t kDocumentPagesEntry = 0;

int32_t GetPageCopyEntryCount(xt::DocumentRef source, int32_t* count)
{
    const model::Layout* from = layoutOfDocument(source);
    if (!from || !count)
        return -1;
    *count = static_cast<int32_t>(from->masters().spreadCount()) + 1;
    return 0;
}

int32_t GetPageCopyEntry(xt::DocumentRef source, int32_t index, int32_t* entry, xt::TextObject* name)
{
    const model::Layout* from = layoutOfDocument(source);
    if (!from || !entry || !name || index < 0 || static_cast<size_t>(index) > from->masters().spreadCount())
        return -1;
    *entry = index;
    *name = context().texts().make(index == kDocumentPagesEntry
            ? from->name()
            : model::masterName(*from, static_cast<size_t>(index - 1) * from->masters().pagesPerSpread()));
    return 0;
}

int32_t CopyPageCopyEntry(xt::DocumentRef source, int32_t entry, xt::DocumentRef destination)
{
    const model::Layout* from = layoutOfDocument(source);
    model::Layout* to = layoutOfDocument(destination);
    if (!from || !to || entry <= kDocumentPagesEntry || from == to)
        return -1;
    return model::copyMasterSpread(*from, static_cast<size_t>(entry - 1), *to) ? 0 : -1;
}

int32_t XsqOp1307(xt::DocumentRef source, int32_t item, xt::DocumentRef destination, int32_t page)
{
    const model::Layout* from = layoutOfDocument(source);
    model::Layout* to = layoutOfDocument(destination);
    if (!from || !to || page < 1)
        return -1;
    const int32_t copy = model::copyItemToPage(*from, item, *to, static_cast<size_t>(page - 1));
    if (copy == 0)
        return -1;
    to->items().select(copy);
    return 0;
}

} // namespace

void registerLayerComponent(OperationRegistry& registry)
{
    registry.addComponent<xt::component::GetCurrentLayer, &GetCurrentLayer>();
    registry.addComponent<xt::component::FindLayer, &FindLayer>();
    registry.addComponent<xt::component::CreateLayer, &CreateLayer>();
    registry.addComponent<xt::component::SetCurrentLayer, &SetCurrentLayer>();
    registry.addComponent<xt::component::SetItemLayer, &SetItemLayer>();
    registry.addComponent<xt::component::GetItemLayer, &GetItemLayer>();
    registry.addComponent<xt::component::DeleteLayerOp, &DeleteLayerOp>();
    registry.addComponent<xt::component::CopyPages, &CopyPages>();
    registry.addComponent<xt::component::GetPageCopyEntryCount, &GetPageCopyEntryCount>();
    registry.addComponent<xt::component::GetPageCopyEntry, &GetPageCopyEntry>();
    registry.addComponent<xt::component::CopyPageCopyEntry, &CopyPageCopyEntry>();
    registry.add<xt::op::XsqOp1307, &XsqOp1307>();
}

} // namespace host::api
