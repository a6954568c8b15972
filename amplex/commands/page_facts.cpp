// Reading the current document's page facts through the host.
#include "amplex/commands/page_facts.h"

#include "foundation/binding/binding.h"
#include "xtapi/box_record.h"

namespace amplex {
namespace {

struct PageInfoHead {
    int16_t pageCount;
};

} // namespace

Fixed PageFacts::liveWidth() const { return width - margins.left - margins.right; }

Fixed PageFacts::liveHeight() const { return height - margins.top - margins.bottom; }

Fixed PageFacts::columnWidth() const
{
    if (columns <= 1)
        return liveWidth();
    const Fixed gutters = static_cast<Fixed>((columns - 1) * static_cast<int64_t>(gutter));
    return xt::calls::FixedDivide(liveWidth() - gutters, static_cast<Fixed>(columns) << 16);
}

PageFacts readPageFacts(xt::DocumentRef document)
{
    PageFacts facts;
    uint8_t info[8] = {};
    if (xt::calls::GetPageInfo(document, info) == 0)
        facts.pageCount = xt::readAt<int16_t>(info, 0);
    xt::calls::XdnOp519(document, &facts.width);
    xt::calls::XdnOp520(document, &facts.height);
    // The host writes the margins top, bottom, left, right.
    xt::calls::XdgOp512(document, &facts.margins.top, &facts.margins.bottom, &facts.margins.left,
        &facts.margins.right);
    xt::calls::XdgOp510(document, &facts.columns);
    xt::calls::XdgOp509(document, &facts.gutter);
    xt::calls::GetDocumentWindow(document, &facts.window);
    uint8_t flag = 0;
    if (facts.window != 0 && xt::calls::GetWindowPageFlag(facts.window, &flag) == 0)
        facts.masterView = flag != 0;
    int32_t page = 1;
    if (facts.window != 0 && xt::calls::GetWindowValue3563(facts.window, &page) == 0)
        facts.currentPage = page;
    return facts;
}

int16_t placeInSpread(xt::WindowRef window, int32_t page)
{
    xt::PlaceRecord place{};
    if (xt::calls::PageOp3594(window, page, 0, &place) != 0)
        return 0;
    return place.placeInSpread;
}

int32_t pagesInSpread(const PageFacts& facts)
{
    int32_t first = facts.currentPage;
    while (first > 1 && placeInSpread(facts.window, first) != 0)
        --first;
    int32_t count = 1;
    for (int32_t page = first + 1; page <= facts.pageCount && placeInSpread(facts.window, page) != 0; ++page)
        ++count;
    return count;
}

int16_t currentPageOffsetOf(const PageFacts& facts)
{
    if (!facts.masterView)
        return 0;
    const int32_t less = placeInSpread(facts.window, facts.currentPage) != 0 ? 2 : 1;
    return static_cast<int16_t>(facts.currentPage - less);
}

} // namespace amplex
