// The composer's answers to plug-ins: the layout probe, the box holding an offset, where an offset is
// set, the auto leading factor, and the batch mode that the host does not need (it composes on demand).
#include <cstring>

#include "host/api/operation_areas.h"
#include "host/api/story_access.h"
#include "host/host_context.h"
#include "host/model/text/text_boxes.h"
#include "win32/standin.h"

namespace host::api {
namespace {

/// Auto leading is 20 % above the point size.
constexpr xt::Fixed kAutoLeadingFraction = 0x3333;

std::optional<model::ChainLayout> chainOf(int32_t box)
{
    model::Layout* layout = layoutOfItem(box);
    return layout ? model::chainLayoutOf(*layout, box) : std::nullopt;
}

/// The layout probe. In: *box (0 = the current box). Out: *box = the end of the story's selection,
/// *firstOffset = where the box's text begins, *lines resized to one LineRecord per line from the box's
/// first line to the story's end plus a closing record. The fourth argument is neither read nor written.
int32_t CopyTextToHandle2828(int32_t* box, int32_t* firstOffset, uint8_t, int32_t*, xt::Handle* lines)
{
    if (!box || !lines || !*lines || !win32::isHandle(*lines))
        return -1;
    const int32_t probed = boxOrCurrent(*box);
    const std::optional<model::ChainLayout> chain = chainOf(probed);
    if (!chain) {
        win32::setHandleSize(*lines, 0);
        return -1;
    }
    const std::vector<xt::LineRecord> records = chain->lineRecords(probed);
    const auto size = static_cast<int32_t>(records.size() * sizeof(xt::LineRecord));
    if (!win32::setHandleSize(*lines, size))
        return win32::memoryError();
    std::memcpy(**lines, records.data(), static_cast<size_t>(size));
    *box = chain->story().selection().end;
    if (firstOffset)
        *firstOffset = chain->firstOffset(probed);
    return 0;
}

/// The box of the chain that holds the text at `offset`; 0 when that text is overset.
int32_t TextOp687(int32_t box, int32_t offset, int32_t)
{
    box = boxOrCurrent(box);
    const std::optional<model::ChainLayout> chain = chainOf(box);
    return chain ? chain->boxHolding(offset) : 0;
}

/// Where `offset` is set: x from the left edge and y (the baseline) from the top of the box holding it;
/// stop = 1 when that is not `box`.
int32_t TextOffsetPosition404(int32_t box, int32_t offset, xt::Fixed* x, xt::Fixed* y, uint8_t* stop, int32_t)
{
    box = boxOrCurrent(box);
    const std::optional<model::ChainLayout> chain = chainOf(box);
    if (!chain)
        return -1;
    const model::ChainLayout::Position position = chain->positionOf(offset);
    if (x)
        *x = position.x;
    if (y)
        *y = position.y;
    if (stop)
        *stop = position.box == box ? 0 : 1;
    return 0;
}

void StoryMode1375(int32_t) {}

void StoryOp1376(int32_t, int32_t) {}

int32_t GetAutoLeadingFactor(xt::DocumentRef document, xt::Fixed* fraction)
{
    if (!fraction || !context().documents().findByRef(document))
        return -1;
    *fraction = kAutoLeadingFraction;
    return 0;
}

} // namespace

void registerComposerOps(OperationRegistry& registry)
{
    registry.add<xt::op::CopyTextToHandle2828, &CopyTextToHandle2828>();
    registry.add<xt::op::TextOp687, &TextOp687>();
    registry.add<xt::op::TextOffsetPosition404, &TextOffsetPosition404>();
    registry.add<xt::op::StoryMode1375, &StoryMode1375>();
    registry.add<xt::op::StoryOp1376, &StoryOp1376>();
    registry.add<xt::op::GetAutoLeadingFactor, &GetAutoLeadingFactor>();
}

} // namespace host::api
