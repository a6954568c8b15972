// The probe's table of Amplex's scaling engine (see engine_probe_api.h).
#include <algorithm>
#include <vector>

#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/common/scaled_page.h"
#include "amplex/engine/selection/scale_selection.h"
#include "amplex/tests/probe/engine_probe_api.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"
#include "foundation/document/box_record_lease.h"
#include "foundation/plugin/skeleton.h"

namespace amplex::probe {
namespace {

constexpr int32_t kSelectAllOnPage = 210;

void measureSelection()
{
    int32_t item = 0;
    xt::calls::GetCurrentBox(&item);
    xt::Fixed bounds[4] = {};
    if (item != 0 && xt::calls::ItemOp224(item, bounds, 0, 0) == 0)
        engineState().setSelectionBounds({bounds[0], bounds[1], bounds[2], bounds[3]});
}

bool undoEntryAt(int32_t index, UndoEntry* entry)
{
    const auto entries = undoEntries();
    if (index < 0 || index >= static_cast<int32_t>(entries.size()))
        return false;
    *entry = entries[static_cast<size_t>(index)];
    return true;
}

int32_t copyGroups(const std::vector<int32_t>& groups, int32_t* out, int32_t capacity)
{
    const auto count = std::min<size_t>(groups.size(), static_cast<size_t>(std::max(capacity, 0)));
    std::copy_n(groups.begin(), count, out);
    return static_cast<int32_t>(groups.size());
}

void recordRoundTrip()
{
    foundation::BoxRecordLease record = foundation::BoxRecordLease::ofCurrentItem();
    record.store();
}

int16_t pageKeyOf(int32_t item)
{
    ItemPlace place{};
    xt::calls::GetBoxBounds(item, 0, &place);
    return place.pageKey;
}

void selectAllOnPage()
{
    xt::calls::XmoOp832(1);
    xt::calls::XaqOp2966(kSelectAllOnPage);
}

} // namespace
} // namespace amplex::probe

extern "C" XT_PLUGIN_EXPORT const amplex::probe::EngineProbeApi XTAmplexEngineProbe{
    .currentSettings = [] { return &amplex::currentSettings(); },
    .scaleSelection = &amplex::ScaleSelection,
    .scaleSingleItem = &amplex::ScaleSingleItem,
    .origin = [] { return amplex::engineState().origin(); },
    .setOrigin = [](xt::FixedPoint origin) { amplex::engineState().setOrigin(origin); },
    .measureSelection = &amplex::probe::measureSelection,
    .setCurrentScalePage = &amplex::setCurrentScalePage,
    .pageKeyOf = &amplex::probe::pageKeyOf,
    .setDocumentScalingActive = [](bool on) { amplex::engineState().setDocumentScalingActive(on); },
    .scaleActive = [] { return amplex::engineState().scaleActive(); },
    .clearUndo = &amplex::ClearUndo,
    .undoEntryCount = [] { return static_cast<int32_t>(amplex::undoEntries().size()); },
    .undoEntry = &amplex::probe::undoEntryAt,
    .ungroupedGroups = [](int32_t* groups, int32_t capacity) {
        return amplex::probe::copyGroups(amplex::undoList().ungroupedGroups(), groups, capacity);
    },
    .regroupedGroups = [](int32_t* groups, int32_t capacity) {
        return amplex::probe::copyGroups(amplex::undoList().regroupedGroups(), groups, capacity);
    },
    .recordRoundTrip = &amplex::probe::recordRoundTrip,
    .selectAllOnPage = &amplex::probe::selectAllOnPage,
};
