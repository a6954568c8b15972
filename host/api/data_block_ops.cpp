// XtData holders (box, second holder, page, document, global) and their blocks; the page lookup that
// level 2 goes through.
#include <cstring>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/api/story_access.h"
#include "host/host_context.h"
#include "host/model/spread_layout.h"
#include "win32/standin.h"
#include "xtapi/page_records.h"

namespace host::api {
namespace {

using model::HolderKind;

/// The host's global object; references of documents and items start far above it.
constexpr int32_t kGlobalObject = 1;

int32_t GetGlobalObject3081(int32_t* object)
{
    if (!object)
        return -1;
    *object = kGlobalObject;
    return 0;
}

int32_t itemHolder(HolderKind kind, int32_t item)
{
    model::Layout* layout = layoutOfItem(item);
    return layout ? layout->dataBlocks().holderRef(kind, item) : 0;
}

int32_t GetBoxXtDataRef(int32_t object)
{
    return itemHolder(HolderKind::Box, object);
}

int32_t GetXtDataRefKind1(int32_t object)
{
    return itemHolder(HolderKind::BoxSecond, object);
}

int32_t GetDocumentXtDataRef(xt::DocumentRef document)
{
    model::Layout* layout = context().documents().findByRef(document);
    return layout ? layout->dataBlocks().holderRef(HolderKind::Document, document) : 0;
}

int32_t GetXtDataRefKind6(int32_t object)
{
    return object == kGlobalObject ? context().documents().globalData().holderRef(HolderKind::Global, object) : 0;
}

/// 1 while the layout window shows master pages.
int32_t GetWindowPageFlag(xt::WindowRef window, uint8_t* flag)
{
    const model::Layout* layout = layoutShowing(window);
    if (!flag || !layout)
        return -1;
    *flag = layout->view().showsMasters() ? 1 : 0;
    return 0;
}

/// Page indices number the master pages first (from 4), then the document pages: this is the index
/// of the page before document page 1.
int32_t GetPageIndexOffset(xt::DocumentRef document, int16_t* count)
{
    const model::Layout* layout = context().documents().findByRef(document);
    if (!count || !layout)
        return -1;
    *count = static_cast<int16_t>(model::pageIndexOffset(*layout));
    return 0;
}

/// The page with that index (masters from 4, then the document pages); a page is its own XtData
/// holder. 0 when there is none.
int32_t GetPageRef(xt::DocumentRef document, int16_t index)
{
    const model::Layout* layout = context().documents().findByRef(document);
    if (!layout)
        return 0;
    const int32_t offset = model::pageIndexOffset(*layout);
    if (index > offset && index - offset <= static_cast<int32_t>(layout->pageCount()))
        return layout->page(static_cast<size_t>(index - offset - 1)).ref();
    const int32_t master = index - xt::kFirstMasterIndex;
    if (master >= 0 && master < static_cast<int32_t>(layout->masters().pageCount()))
        return model::refOf(*layout, {model::PageList::Masters, static_cast<size_t>(master)});
    return 0;
}

/// A holder with the store it is in.
struct FoundHolder {
    model::DataBlockStore* store = nullptr;
    int32_t ref = 0;
    const model::DataBlockHolder* holder() const { return store ? store->holder(ref) : nullptr; }
};

/// The holder a reference names: a page, a holder of a layout, or a global holder.
FoundHolder holderOf(int32_t ref)
{
    model::DocumentModel& documents = context().documents();
    for (size_t p = 0; p < documents.projectCount(); ++p) {
        model::Project& project = documents.project(p);
        for (size_t l = 0; l < project.layoutCount(); ++l) {
            model::DataBlockStore& store = project.layout(l).dataBlocks();
            if (model::slotOfRef(project.layout(l), ref))
                return {&store, store.holderRef(HolderKind::Page, ref)};
            if (store.holder(ref))
                return {&store, ref};
        }
    }
    model::DataBlockStore& global = documents.globalData();
    return global.holder(ref) ? FoundHolder{&global, ref} : FoundHolder{};
}

int32_t HasXtDataBlock(int32_t holder, xt::FourLetterCode id, uint8_t* flag)
{
    const model::DataBlockHolder* found = holderOf(holder).holder();
    if (flag)
        *flag = found && found->has(id) ? 1 : 0;
    return found ? 0 : -1;
}

/// A new caller-owned handle with a copy of the block; handle 0 and nonzero when there is none.
int32_t GetXtDataBlock(int32_t holder, xt::FourLetterCode id, xt::Handle* handle)
{
    if (!handle)
        return -1;
    *handle = nullptr;
    const model::DataBlockHolder* found = holderOf(holder).holder();
    const model::DataBlock* block = found ? found->find(id) : nullptr;
    if (!block)
        return -1;
    xt::Handle copy = win32::newHandle(static_cast<int32_t>(block->size()));
    if (!copy)
        return win32::memoryError();
    if (!block->empty())
        std::memcpy(*copy, block->data(), block->size());
    *handle = copy;
    return 0;
}

/// Stores a copy of the block (the caller keeps its handle); a null handle removes the block.
int32_t SetXtDataBlock(int32_t holder, xt::FourLetterCode id, xt::Handle data)
{
    const FoundHolder found = holderOf(holder);
    if (!found.store || (data && !win32::isHandle(data)))
        return -1;
    if (!data) {
        found.store->removeBlock(found.ref, id);
        return 0;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(*data);
    found.store->setBlock(found.ref, id, model::DataBlock(bytes, bytes + win32::handleSize(data)));
    return 0;
}

} // namespace

void registerDataBlockOps(OperationRegistry& registry)
{
    registry.add<xt::op::GetGlobalObject3081, &GetGlobalObject3081>();
    registry.add<xt::op::GetBoxXtDataRef, &GetBoxXtDataRef>();
    registry.add<xt::op::GetXtDataRefKind1, &GetXtDataRefKind1>();
    registry.add<xt::op::GetDocumentXtDataRef, &GetDocumentXtDataRef>();
    registry.add<xt::op::GetXtDataRefKind6, &GetXtDataRefKind6>();
    registry.add<xt::op::GetWindowPageFlag, &GetWindowPageFlag>();
    registry.add<xt::op::GetPageIndexOffset, &GetPageIndexOffset>();
    registry.add<xt::op::GetPageRef, &GetPageRef>();
    registry.add<xt::op::HasXtDataBlock, &HasXtDataBlock>();
    registry.add<xt::op::GetXtDataBlock, &GetXtDataBlock>();
    registry.add<xt::op::SetXtDataBlock, &SetXtDataBlock>();
}

} // namespace host::api
