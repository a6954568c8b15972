// Guide scaling of a page: each guide's position relative to its page is multiplied by the factor
// of its axis, and the guide is written back in spread coordinates.
#include "amplex/engine/document/guide_scale.h"

#include <cstring>

#include "amplex/engine/common/after_scale.h"
#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "xtapi/page_records.h"

namespace amplex {
namespace {

/// The guide list block, checked against its size before any entry is read.
class GuideList {
public:
    explicit GuideList(xt::Handle handle) : m_handle(handle) {}

    bool holds(int32_t entries) const
    {
        const auto needed = static_cast<int64_t>(xt::kGuideListEntries) + int64_t{40} * entries;
        return m_handle && *m_handle && xt::calls::GetHandleSize(m_handle) >= needed;
    }
    xt::GuideListHeader header() const
    {
        xt::GuideListHeader header{};
        if (m_handle && *m_handle && xt::calls::GetHandleSize(m_handle) >= int32_t{sizeof header})
            std::memcpy(&header, *m_handle, sizeof header);
        return header;
    }
    /// The entry with the guide's own place: the list gives every position 1 pt higher, and
    /// GuideOp2630 takes the place itself.
    xt::GuideEntry entry(int32_t index) const
    {
        xt::GuideEntry entry{};
        std::memcpy(&entry, *m_handle + xt::kGuideListEntries + sizeof(xt::GuideEntry) * index, sizeof entry);
        entry.position -= xt::kGuideListShift;
        return entry;
    }

private:
    xt::Handle m_handle;
};

struct PageGeometry {
    xt::PlaceRecord place{};
    Fixed width = 0;
    Fixed height = 0;
};

/// "Upper left of items" and "Center of items" set the origin from the page, vertical first.
void setOriginFromPage(const PageGeometry& page)
{
    const int16_t from = currentSettings().ScaleFrom;
    if (from == FromUpperLeftOfItems)
        engineState().setOrigin({0, 0});
    if (from == FromCenterOfItems)
        engineState().setOrigin({xt::calls::FixedDivide(page.height, 0x20000),
            xt::calls::FixedDivide(page.width, 0x20000)});
}

/// The guide's new position in spread coordinates: its distance from the page's edge scaled, then
/// brought back onto the page's place in the spread.
Fixed scaledPosition(const xt::PlaceRecord& place, int32_t kind, Fixed position)
{
    const ScaleSettings& settings = currentSettings();
    const xt::DocumentRef ref = documentRun().documentRef();
    Fixed vertical = 0;
    Fixed horizontal = 0;
    if (kind == xt::kGuideVertical) {
        horizontal = xt::calls::FixedMultiply(position - place.pageLeft, settings.HorizontalFactor);
    } else {
        vertical = xt::calls::FixedMultiply(position - place.pageTop, settings.VerticalFactor);
    }
    xt::calls::XsqOp1310(ref, &place, &vertical, &horizontal);
    return kind == xt::kGuideVertical ? horizontal : vertical;
}

void scaleGuidesOfKind(const GuideList& list, const PageGeometry& page, int32_t pageNumber, int32_t kind)
{
    const xt::GuideListHeader header = list.header();
    const int32_t first = kind == xt::kGuideVertical ? 0 : header.verticalCount;
    const int32_t count = kind == xt::kGuideVertical ? header.verticalCount : header.horizontalCount;
    if (count <= 0 || !list.holds(first + count))
        return;
    for (int32_t i = 0; i < count; ++i) {
        xt::GuideEntry entry = list.entry(first + i);
        entry.position = scaledPosition(page.place, kind, entry.position);
        foundation::reportHostResult(
            xt::calls::GuideOp2630(documentRun().documentRef(), pageNumber, kind, i, &entry, 0));
    }
}

PageGeometry pageGeometry(int32_t page)
{
    const xt::DocumentRef ref = documentRun().documentRef();
    PageGeometry geometry;
    xt::WindowRef window = 0;
    xt::calls::GetDocumentWindow(ref, &window);
    xt::calls::PageOp3594(window, page, 0, &geometry.place);
    xt::calls::XdnOp520(ref, &geometry.height);
    xt::calls::XdnOp519(ref, &geometry.width);
    return geometry;
}

} // namespace

void ScaleGuides(int32_t page, uint8_t flag)
{
    const xt::DocumentRef ref = documentRun().documentRef();
    xt::calls::GetDocumentValue464();
    xt::calls::SetCursorKind(-1);
    xt::Handle handle = xt::calls::NewHandle(0);
    const int32_t tool = xt::calls::GetCurrentTool();
    const PageGeometry geometry = pageGeometry(page);
    if (handle)
        foundation::reportHostResult(xt::calls::GuideOp2627(ref, page, flag, &handle));
    setOriginFromPage(geometry);
    const GuideList list(handle);
    scaleGuidesOfKind(list, geometry, page, xt::kGuideVertical);
    scaleGuidesOfKind(list, geometry, page, xt::kGuideHorizontal);
    if (handle)
        xt::calls::DisposeHandle(handle);
    xt::calls::SetCursorKind(0);
    xt::calls::SetCurrentTool(tool);
    xt::calls::DocumentOp870(ref, page);
    AdjustDocumentAfterScale();
}

void RefreshSpread()
{
    // The companion service's answer is of no use here and our host offers no companion page
    // service, so asking for the current document is all that is left of the call.
    int16_t id = -1;
    xt::calls::GetCurrentDocument(&id);
}

} // namespace amplex
