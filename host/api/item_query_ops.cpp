// What kind of item a reference names, which group holds it, moving it, and the box services.
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"

namespace host::api {
namespace {

/// 1 or 2 for a line (its shape, whatever its kind), 0 for any other item.
int32_t GetBoxType(int32_t item, int16_t* type)
{
    const model::Item* found = findItem(item);
    if (!found || !type)
        return -1;
    *type = found->isLine() ? found->shape() : int16_t{0};
    return 0;
}

bool hasKind(int32_t item, xt::BoxKind kind)
{
    const model::Item* found = findItem(item);
    return found && found->kind() == kind && !found->isGroupKind();
}

int32_t IsTextBox(int32_t item)
{
    return hasKind(item, xt::BoxKind::Text) ? 1 : 0;
}

int32_t ItemTypeOp767(int32_t item)
{
    return hasKind(item, xt::BoxKind::Picture) ? 1 : 0;
}

/// The stand-in keeps no picture data, so a picture box whose picture has an extent holds a picture
/// of kind 4 (one its box can fit to) and an empty one kind 0; the information word is always 0.
int32_t XpuOp4302(int32_t item, int32_t* information, int16_t* kind)
{
    const model::Item* found = findItem(item);
    if (!found || !hasKind(item, xt::BoxKind::Picture) || !information || !kind)
        return -1;
    const int16_t* bounds = found->picture().bounds;
    *information = 0;
    *kind = bounds[2] > bounds[0] && bounds[3] > bounds[1] ? xt::kFittablePictureKind : int16_t{0};
    return 0;
}

/// Nonzero for an item of the group kind: a group, a table or the pseudo-group of a selection.
int32_t ItemTypeOp764(int32_t item)
{
    const model::Item* found = findItem(item);
    return found && found->isGroupKind() ? 1 : 0;
}

/// The group or table that holds the item, or 0.
int32_t ItemTypeOp773(int32_t item)
{
    const model::Item* found = findItem(item);
    return found ? found->parent() : 0;
}

int32_t BoxOp1804(int32_t item, xt::Fixed dh, xt::Fixed dv, int32_t)
{
    model::Item* found = findItem(item);
    if (!found)
        return -1;
    currentItems()->moveBy(*found, dv, dh);
    return 0;
}

int16_t BoxServiceTest(int32_t box)
{
    const model::ItemStore* items = currentItems();
    return items && items->find(box) && items->serviceOwnsBoxes() ? 1 : 0;
}

int32_t BoxServiceMove(int32_t box, xt::Fixed dh, xt::Fixed dv)
{
    return BoxOp1804(box, dh, dv, 0);
}

uint8_t DocumentServiceTest(int16_t document)
{
    const model::Layout* layout = context().documents().findById(document);
    return layout && layout->items().serviceOwnsBoxes() ? 1 : 0;
}

/// A failing service test says that no service owns the document.
uint8_t DocumentServiceTestFails(int16_t)
{
    return 0;
}

} // namespace

void registerItemQueryOps(OperationRegistry& registry)
{
    registry.add<xt::op::GetBoxType, &GetBoxType>();
    registry.add<xt::op::IsTextBox, &IsTextBox>();
    registry.add<xt::op::ItemTypeOp767, &ItemTypeOp767>();
    registry.add<xt::op::XpuOp4302, &XpuOp4302>();
    registry.add<xt::op::ItemTypeOp764, &ItemTypeOp764>();
    registry.add<xt::op::ItemTypeOp773, &ItemTypeOp773>();
    registry.add<xt::op::BoxOp1804, &BoxOp1804>();
    registry.add<xt::op::BoxServiceTest, &BoxServiceTest>();
    registry.add<xt::op::BoxServiceMove, &BoxServiceMove>();
    registry.add<xt::op::DocumentServiceTest, &DocumentServiceTest, &DocumentServiceTestFails>();
}

} // namespace host::api
