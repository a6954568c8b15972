// The master-page walk of a document scale.
#include "amplex/engine/document/master_scale.h"

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/scaled_page.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/engine/document/guide_scale.h"
#include "amplex/engine/document/page_walk.h"
#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "xtapi/page_records.h"

namespace amplex {
namespace {

int16_t lastMasterIndex()
{
    int16_t count = 0;
    xt::calls::GetPageIndexOffset(documentRun().documentRef(), &count);
    return count;
}

/// Every master page keeps margins of its own, so each has them scaled, not only a spread's first.
void scaleMasterMargins(int32_t master, const xt::PlaceRecord& place)
{
    const xt::DocumentRef ref = documentRun().documentRef();
    const ScaleSettings& settings = currentSettings();
    Fixed vertical[2] = {};
    Fixed horizontal[2] = {};
    if (xt::calls::DocumentOp5216(ref, &place, vertical, horizontal) != 0)
        return;
    auto v = [&](Fixed value) { return xt::calls::FixedMultiply(value, settings.VerticalFactor); };
    auto h = [&](Fixed value) { return xt::calls::FixedMultiply(value, settings.HorizontalFactor); };
    xt::calls::DocumentOp5270(ref, master, v(vertical[0]), v(vertical[1]), h(horizontal[0]), h(horizontal[1]));
}

/// The corner of the master's spread: the spread's pages change size together, so every page of it
/// scales about the spread's first corner, as the document pages do.
xt::FixedPoint spreadCorner(int32_t master, const xt::PlaceRecord& place)
{
    xt::PlaceRecord first = place;
    xt::calls::PageOp4222(documentRun().documentRef(), master - place.placeInSpread, &first);
    return pageCorner(first);
}

void scaleMaster(int32_t master)
{
    const xt::DocumentRef ref = documentRun().documentRef();
    xt::PlaceRecord place{};
    if (xt::calls::PageOp4222(ref, master, &place) != 0)
        return;
    setCurrentScalePage(place.pageKey);
    scaleMasterMargins(master, place);
    engineState().setDocumentScalingActive(true);
    scaleItemsOfCurrentPage(spreadCorner(master, place));
    if (currentSettings().ScaleGuides != 0)
        RefreshSpread();
    xt::calls::DocumentOp459(ref, 1);
    engineState().setDocumentScalingActive(false);
    if (currentSettings().ScaleGuides != 0)
        ScaleGuides(master, 0);
}

int32_t spreadOfMaster(int32_t master, bool facing)
{
    return (master - xt::kFirstMasterIndex) / (facing ? 2 : 1) + 1;
}

} // namespace

void scaleMasterPages()
{
    const xt::DocumentRef ref = documentRun().documentRef();
    const xt::WindowRef window = runWindow();
    int32_t remembered = 0;
    xt::calls::GetWindowValue3563(window, &remembered);
    xt::PageInfo info{};
    xt::calls::GetPageInfo(ref, &info);
    const bool facing = info.facing != 0;
    int32_t shown = 1;
    xt::calls::XmbOp3597(window, shown);
    for (int32_t master = xt::kFirstMasterIndex; master <= lastMasterIndex(); ++master) {
        const int32_t spread = spreadOfMaster(master, facing);
        if (spread != shown) {
            shown = spread;
            xt::calls::XmbOp3597(window, shown);
        }
        if (xt::calls::DocumentOp868(window, master) != 0)
            continue;
        scaleMaster(master);
    }
    xt::calls::XmbOp3597(window, 0);
    xt::calls::DocumentOp868(window, remembered);
}

} // namespace amplex
