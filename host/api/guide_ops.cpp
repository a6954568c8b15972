// Guide lists handed out in a caller's block (GuideOp2627) and guides replaced one at a time (GuideOp2630).
#include <cstring>
#include <vector>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/model/spread_layout.h"
#include "win32/standin.h"
#include "xtapi/page_records.h"

namespace host::api {
namespace {

std::optional<model::GuideKind> kindOf(int32_t kind)
{
    if (kind == xt::kGuideVertical)
        return model::GuideKind::Vertical;
    if (kind == xt::kGuideHorizontal)
        return model::GuideKind::Horizontal;
    return std::nullopt;
}

int32_t GuideOp2627(xt::DocumentRef document, int32_t page, uint8_t set, xt::Handle* handle)
{
    const model::Layout* layout = layoutOfDocument(document);
    const auto key = layout ? model::guideListOf(*layout, page, set) : std::nullopt;
    if (!key || !handle || !*handle || !win32::isHandle(*handle))
        return -1;
    const auto vertical = layout->guides().guides(*key, model::GuideKind::Vertical);
    const auto horizontal = layout->guides().guides(*key, model::GuideKind::Horizontal);
    const size_t count = vertical.size() + horizontal.size();
    if (!win32::setHandleSize(*handle, static_cast<int32_t>(xt::kGuideListEntries + count * sizeof(xt::GuideEntry))))
        return -1;
    xt::GuideListHeader header{};
    header.verticalCount = static_cast<int16_t>(vertical.size());
    header.horizontalCount = static_cast<int16_t>(horizontal.size());
    xt::writeAt(**handle, header);
    size_t offset = xt::kGuideListEntries;
    for (const auto* list : {&vertical, &horizontal}) {
        for (const model::Guide& guide : *list) {
            xt::writeAt(**handle, guide.entry(), offset);
            offset += sizeof(xt::GuideEntry);
        }
    }
    return 0;
}

int32_t GuideOp2630(xt::DocumentRef document, int32_t page, int32_t kind, int32_t index, const void* entry, int32_t set)
{
    model::Layout* layout = layoutOfDocument(document);
    const auto key = layout ? model::guideListOf(*layout, page, set) : std::nullopt;
    const auto guideKind = kindOf(kind);
    if (!key || !guideKind || !entry || index < 0)
        return -1;
    const auto guide = xt::readAt<xt::GuideEntry>(entry);
    return layout->guides().replace(*key, *guideKind, static_cast<size_t>(index), guide) ? 0 : -1;
}

} // namespace

void registerGuideOps(OperationRegistry& registry)
{
    registry.add<xt::op::GuideOp2627, &GuideOp2627>();
    registry.add<xt::op::GuideOp2630, &GuideOp2630>();
}

} // namespace host::api
