// Guides one at a time (count, read, replace, delete, add), a page's whole list handed out in a
// caller's block (GuideOp2627), and the display colours of guide kinds.
#include <cstring>
#include <vector>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/guides/guide_list_export.h"
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

/// The layout, list and kind that the common arguments name; nullopt for any that does not exist.
struct GuideTarget {
    model::Layout* layout;
    model::GuideListKey key;
    model::GuideKind kind;
};

std::optional<GuideTarget> targetOf(xt::DocumentRef document, int32_t page, int32_t kind, int32_t set)
{
    model::Layout* layout = layoutOfDocument(document);
    const auto key = layout ? model::guideListOf(*layout, page, set) : std::nullopt;
    const auto guideKind = kindOf(kind);
    if (!key || !guideKind)
        return std::nullopt;
    return GuideTarget{layout, *key, *guideKind};
}

int32_t GuideOp2627(xt::DocumentRef document, int32_t page, uint8_t set, xt::Handle* handle)
{
    const model::Layout* layout = layoutOfDocument(document);
    const auto key = layout ? model::guideListOf(*layout, page, set) : std::nullopt;
    if (!key || !handle || !*handle || !win32::isHandle(*handle))
        return -1;
    const std::vector<uint8_t> list = model::exportedGuideList(layout->guides(), *key);
    if (!win32::setHandleSize(*handle, static_cast<int32_t>(list.size())))
        return -1;
    std::memcpy(**handle, list.data(), list.size());
    return 0;
}

/// (document, page, kind, set, &count).
int32_t GuideOp2628(xt::DocumentRef document, int32_t page, int32_t kind, int32_t set, int16_t* count)
{
    const auto target = targetOf(document, page, kind, set);
    if (!target || !count)
        return -1;
    *count = static_cast<int16_t>(target->layout->guides().count(target->key, target->kind));
    return 0;
}

/// (document, page, kind, index, &entry, set): the guide at its place, as GuideOp2630 takes it back.
int32_t GuideOp2629(xt::DocumentRef document, int32_t page, int32_t kind, int32_t index, void* entry, int32_t set)
{
    const auto target = targetOf(document, page, kind, set);
    if (!target || !entry || index < 0)
        return -1;
    const auto guide = target->layout->guides().guide(target->key, target->kind, static_cast<size_t>(index));
    if (!guide)
        return -1;
    xt::writeAt(entry, guide->entry());
    return 0;
}

int32_t GuideOp2630(xt::DocumentRef document, int32_t page, int32_t kind, int32_t index, const void* entry, int32_t set)
{
    const auto target = targetOf(document, page, kind, set);
    if (!target || !entry || index < 0)
        return -1;
    const auto guide = xt::readAt<xt::GuideEntry>(entry);
    return target->layout->guides().replace(target->key, target->kind, static_cast<size_t>(index), guide) ? 0 : -1;
}

/// (document, page, kind, index, set): 1 when the guide is locked and stays, -1 for no such guide.
int32_t GuideOp2631(xt::DocumentRef document, int32_t page, int32_t kind, int32_t index, int32_t set)
{
    const auto target = targetOf(document, page, kind, set);
    if (!target || index < 0)
        return -1;
    switch (target->layout->guides().remove(target->key, target->kind, static_cast<size_t>(index))) {
    case model::GuideStore::Removal::Removed:
        return 0;
    case model::GuideStore::Removal::Locked:
        return 1;
    case model::GuideStore::Removal::NoSuchGuide:
        break;
    }
    return -1;
}

/// (document, page index, kind, &entry, set, &index): adds a guide after the others of its kind. The
/// page counts as GetPageRef's does (a document page number plus GetPageIndexOffset).
int32_t GuideOp3598(xt::DocumentRef document, int32_t page, int32_t kind, const void* entry, int32_t set, int16_t* index)
{
    model::Layout* layout = layoutOfDocument(document);
    const auto slot = layout ? model::slotOfIndex(*layout, page) : std::nullopt;
    const auto key = slot ? model::guideListOfSlot(*layout, *slot, set) : std::nullopt;
    const auto guideKind = kindOf(kind);
    if (!key || !guideKind || !entry)
        return -1;
    const size_t added = layout->guides().add(*key, *guideKind, xt::readAt<xt::GuideEntry>(entry));
    if (index)
        *index = static_cast<int16_t>(added);
    return 0;
}

/// (kind code, &three 16-bit components).
int32_t SetGuideKindColor(xt::FourLetterCode kind, const uint16_t* rgb)
{
    if (!rgb || kind == 0)
        return -1;
    context().documents().guideColours().set(kind, {rgb[0], rgb[1], rgb[2]});
    return 0;
}

/// (&a, &colour, &c): the host's default guide colour into the middle output; the others get 0.
int32_t XpgOp1072(int32_t* first, uint16_t* rgb, int32_t* last)
{
    if (!rgb)
        return -1;
    rgb[0] = model::kDefaultGuideColour.red;
    rgb[1] = model::kDefaultGuideColour.green;
    rgb[2] = model::kDefaultGuideColour.blue;
    if (first)
        *first = 0;
    if (last)
        *last = 0;
    return 0;
}

int32_t failGuideOp2628(xt::DocumentRef, int32_t, int32_t, int32_t, int16_t* count)
{
    if (count)
        *count = 0;
    return -1;
}

} // namespace

void registerGuideOps(OperationRegistry& registry)
{
    registry.add<xt::op::GuideOp2627, &GuideOp2627>();
    registry.add<xt::op::GuideOp2628, &GuideOp2628, &failGuideOp2628>();
    registry.add<xt::op::GuideOp2629, &GuideOp2629>();
    registry.add<xt::op::GuideOp2630, &GuideOp2630>();
    registry.add<xt::op::GuideOp2631, &GuideOp2631>();
    registry.add<xt::op::GuideOp3598, &GuideOp3598>();
    registry.add<xt::op::SetGuideKindColor, &SetGuideKindColor>();
    registry.add<xt::op::XpgOp1072, &XpgOp1072>();
}

} // namespace host::api
