// Sections and page names: the page count, a page's name as the layout shows it, the page a typed
// name stands for, starting a section and reading one back.
#include <string>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/pages/page_names.h"
#include "host/model/pages/page_table.h"
#include "host/model/spread_layout.h"

namespace host::api {
namespace {

std::optional<size_t> documentPage(const model::Layout& layout, int32_t number)
{
    if (number < 1 || static_cast<size_t>(number) > layout.pageCount())
        return std::nullopt;
    return static_cast<size_t>(number - 1);
}

/// (document, 0, &count): the number of document pages.
int32_t PageOp871(xt::DocumentRef document, int32_t which, int16_t* count)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (count)
        *count = 0;
    if (!layout || !count || which != 0)
        return -1;
    *count = static_cast<int16_t>(layout->pageCount());
    return 0;
}

/// (document, 1, name, &page): the sequence number of the first page with that name; mode 0 reads
/// the text as a sequence number. An unknown name writes 0 and fails.
int32_t PageOp5004(xt::DocumentRef document, int32_t mode, xt::TextObject name, int32_t* page)
{
    if (page)
        *page = 0;
    const model::Layout* layout = layoutOfDocument(document);
    const std::string* text = context().texts().find(name);
    if (!layout || !text || !page || (mode != 0 && mode != 1))
        return -1;
    std::optional<size_t> found;
    if (mode == 1) {
        found = model::pageNamed(*layout, *text);
    } else if (const auto number = model::parsePageNumber(*text, model::NumberFormat::Arabic)) {
        found = documentPage(*layout, *number);
    }
    if (!found)
        return -1;
    *page = static_cast<int32_t>(*found + 1);
    return 0;
}

/// (document, index, &name): the page's name as a text object the caller disposes; the index counts
/// as GetPageRef's does.
int32_t PageOp4223(xt::DocumentRef document, int32_t index, xt::TextObject* name)
{
    if (name)
        *name = nullptr;
    const model::Layout* layout = layoutOfDocument(document);
    const auto slot = layout ? model::slotOfIndex(*layout, index) : std::nullopt;
    if (!slot || !name)
        return -1;
    const std::string text = slot->list == model::PageList::Masters ? model::masterName(*layout, slot->index)
                                                                    : model::pageName(*layout, slot->index);
    *name = context().texts().make(text);
    return 0;
}

/// (page, start, format, prefix or null): page `page` of the current layout starts a section.
int32_t XsqOp4977(int32_t page, int32_t start, int32_t format, xt::TextObject prefix)
{
    model::Layout* layout = currentLayout();
    const auto index = layout ? documentPage(*layout, page) : std::nullopt;
    const auto numbering = model::numberFormatOf(format);
    if (!index || !numbering)
        return -1;
    model::SectionStart section{"", start, *numbering};
    if (prefix) {
        const std::string* text = context().texts().find(prefix);
        if (!text)
            return -1;
        section.prefix = *text;
    }
    return layout->sections().start(layout->page(*index).ref(), section) ? 0 : -1;
}

/// (document, page, &start, &format, &prefix): the section page `page` belongs to. The prefix is a
/// text object the caller disposes.
int32_t GetPageSection(xt::DocumentRef document, int32_t page, int32_t* start, int32_t* format, xt::TextObject* prefix)
{
    const model::Layout* layout = layoutOfDocument(document);
    const auto index = layout ? documentPage(*layout, page) : std::nullopt;
    if (!index || !start || !format || !prefix)
        return -1;
    const model::PageNumbering numbering = model::numberingOf(*layout, *index);
    *start = numbering.section.start;
    *format = static_cast<int32_t>(numbering.section.format);
    *prefix = context().texts().make(numbering.section.prefix);
    return 0;
}

int32_t GetPageSectionNumber(xt::DocumentRef document, int32_t page, int32_t* number)
{
    const model::Layout* layout = layoutOfDocument(document);
    const auto index = layout ? documentPage(*layout, page) : std::nullopt;
    if (!index || !number)
        return -1;
    *number = model::numberingOf(*layout, *index).number;
    return 0;
}

/// (document, page, &flag): 1 when the page's left margin is its inside one (a right-hand page, or
/// any page without facing pages), 0 for a left-hand page.
int32_t XmbOp809(xt::DocumentRef document, int32_t page, uint8_t* flag)
{
    const model::Layout* layout = layoutOfDocument(document);
    const auto slot = layout ? model::slotOfNumber(*layout, page) : std::nullopt;
    if (!slot || !flag)
        return -1;
    *flag = model::insideIsLeft(*layout, *slot) ? 1 : 0;
    return 0;
}

/// (document, &last): the number of the last master page, the top of the master-page numbers.
int32_t XmbOp810(xt::DocumentRef document, int16_t* last)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !last)
        return -1;
    *last = static_cast<int16_t>(model::pageIndexOffset(*layout));
    return 0;
}

/// A failed call leaves no value behind that a caller, which often does not look at the status,
/// could take for a page.
int32_t failPageOp871(xt::DocumentRef, int32_t, int16_t* count)
{
    if (count)
        *count = 0;
    return -1;
}

int32_t failPageOp5004(xt::DocumentRef, int32_t, xt::TextObject, int32_t* page)
{
    if (page)
        *page = 0;
    return -1;
}

int32_t failPageOp4223(xt::DocumentRef, int32_t, xt::TextObject* name)
{
    if (name)
        *name = nullptr;
    return -1;
}

} // namespace

void registerSectionOps(OperationRegistry& registry)
{
    registry.add<xt::op::PageOp871, &PageOp871, &failPageOp871>();
    registry.add<xt::op::PageOp5004, &PageOp5004, &failPageOp5004>();
    registry.add<xt::op::PageOp4223, &PageOp4223, &failPageOp4223>();
    registry.add<xt::op::XsqOp4977, &XsqOp4977>();
    registry.add<xt::op::GetPageSection, &GetPageSection>();
    registry.add<xt::op::GetPageSectionNumber, &GetPageSectionNumber>();
    registry.add<xt::op::XmbOp809, &XmbOp809>();
    registry.add<xt::op::XmbOp810, &XmbOp810>();
}

} // namespace host::api
