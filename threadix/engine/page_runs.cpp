// The page runs: each page in turn, each top-level item of its spread that lies on it.
#include "threadix/engine/page_runs.h"

#include <functional>

#include "foundation/binding/binding.h"
#include "foundation/document/item_walk.h"
#include "threadix/engine/box_facts.h"
#include "threadix/engine/chain_record.h"
#include "threadix/engine/page_list.h"
#include "win32/windows.h"

namespace threadix {
namespace {

bool mouseButtonDown()
{
    return GetAsyncKeyState(VK_LBUTTON) < 0;
}

int pageCountOf(const WorkPlace& place)
{
    return HostPages(place.document).pageCount();
}

std::string nameOf(const WorkPlace& place, int page)
{
    return HostPages(place.document).pageName(page);
}

/// Runs `work` on each text box of page `page`; false when the user stopped the run.
bool eachTextBoxOnPage(const WorkPlace& place, int page, const std::function<void(int32_t)>& work)
{
    xt::calls::DocumentOp868(place.window, page);
    xt::PlaceRecord where{};
    if (xt::calls::PageOp3594(place.window, page, 0, &where) != 0)
        return true;
    int32_t item = 0;
    if (xt::calls::GetFirstItem(place.document, where.spread + 1, 1, &item) != 0)
        return true;
    // A failed step of the walk answers like its end; confirming the end keeps the rest of the page.
    for (; item != 0; item = foundation::confirmedNextItem(item, 1)) {
        const auto itemPlace = placeOf(item);
        if (itemPlace && itemPlace->pageNumber == page && boxKind(item) == BoxKind::Text)
            work(item);
        if (mouseButtonDown())
            return false;
    }
    return true;
}

RunEnd runPages(const WorkPlace& place, const std::vector<int>& pages, const char* doing,
    const std::function<void(int32_t)>& work, RunProgress& progress)
{
    const int count = pageCountOf(place);
    for (int page : pages) {
        if (page < 1 || page > count)
            continue;
        progress.show(std::string(doing) + " on page " + nameOf(place, page));
        if (!eachTextBoxOnPage(place, page, work)) {
            progress.close();
            return RunEnd::Cancelled;
        }
    }
    progress.close();
    return RunEnd::Finished;
}

} // namespace

RunEnd UnlinkPages(const WorkPlace& place, const std::vector<int>& pages, UnlinkMode mode, RunProgress& progress)
{
    if (pages.empty())
        return RunEnd::Finished;
    progress.open("Unlinking pages " + nameOf(place, pages.front()) + " - " + nameOf(place, pages.back()));
    return runPages(place, pages, "Unlinking", [&](int32_t box) { UnlinkBox(place, box, mode); }, progress);
}

RunEnd RelinkPages(const WorkPlace& place, const std::vector<int>& pages, bool keepText, RunProgress& progress)
{
    if (pages.empty())
        return RunEnd::Finished;
    progress.open("");
    const auto relinkRecorded = [&](int32_t box) {
        if (readChainRecord(box))
            RelinkBox(place, box, keepText);
    };
    return runPages(place, pages, "Relinking", relinkRecorded, progress);
}

} // namespace threadix
