// Fit Box to Text: the bottom edge moved in one step (one column) or stepped (several columns, or
// text that runs on into another box) until the range's text just fits.
#include "amplex/engine/fitting/fit_box.h"

#include <cstdint>
#include <functional>
#include <optional>

#include "amplex/engine/fitting/fit_session.h"
#include "amplex/engine/fitting/layout_probe.h"
#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/document/box_record_lease.h"

namespace amplex {
namespace {

constexpr xt::Fixed kGrowStep = 0x10000;
constexpr xt::Fixed kShrinkStep = static_cast<xt::Fixed>(0xFFF60000);
constexpr int32_t kLoopLimit = 1000;

xt::Fixed addSaturated(xt::Fixed a, xt::Fixed b)
{
    const int64_t sum = int64_t{a} + b;
    if (sum > INT32_MAX)
        return INT32_MAX;
    if (sum < INT32_MIN)
        return INT32_MIN;
    return static_cast<xt::Fixed>(sum);
}

/// Maps a shaped item onto new bounds and applies its record.
bool reshape(xt::BoxRecord* record, int32_t box, const xt::FixedRect& from, const xt::FixedRect& to)
{
    if (to.bottom < to.top)
        return false;
    if (xt::calls::XsiOp1289(record->geometry.shapeData, &from, &to) != 0)
        return false;
    return xt::calls::BoxRecordOp3010(record, box, 0, 1) == 0;
}

/// The bottom of a box set to `top + depth`, for rectangles and shaped items alike.
bool setDepth(foundation::BoxRecordLease& record, int32_t box, xt::Fixed depth)
{
    if (xt::shape::isFramed(record->shape)) {
        xt::FixedRect rect = record->geometry.rect;
        rect.bottom = addSaturated(rect.top, depth);
        record->geometry.rect = rect;
        return record.storeTo(box, 1);
    }
    const std::optional<xt::FixedRect> bounds = foundation::shapeDataRect(*record.get());
    if (!bounds)
        return false;
    xt::FixedRect wanted = *bounds;
    wanted.bottom = addSaturated(bounds->top, depth);
    return reshape(record.get(), box, *bounds, wanted);
}

/// Moves the bottom of `box` by `delta` while `goOn` holds, testing before each move; at most
/// kLoopLimit moves. False when the host could not compose, which ends the command.
bool moveBottomWhile(int32_t box, xt::Fixed delta, const std::function<std::optional<bool>()>& goOn)
{
    for (int32_t n = 0; n < kLoopLimit; ++n) {
        const std::optional<bool> more = goOn();
        if (!more)
            return false;
        if (!*more)
            return true;
        foundation::BoxRecordLease record = foundation::BoxRecordLease::of(box);
        if (!record || !GrowBoxBy(record.get(), box, delta))
            return true;
    }
    return true;
}

/// Whether the line holding the range's end fits, judged by the first probe's a and b.
std::function<std::optional<bool>()> decisiveLineFits(int32_t box, int32_t a, int32_t b, bool wanted)
{
    return [=]() -> std::optional<bool> {
        std::optional<LayoutProbe> probe = probeLayout(box);
        if (!probe)
            return std::nullopt;
        probe->a = a;
        probe->b = b;
        const xt::LineRecord* line = probe->lineHolding(a);
        const bool fits = !line || line->fit != xt::kLineDoesNotFit;
        return fits == wanted;
    };
}

std::function<std::optional<bool>()> endInBox(int32_t box, int32_t end, bool wanted)
{
    return [=]() -> std::optional<bool> { return (xt::calls::TextOp687(box, end, 0) == box) == wanted; };
}

std::function<std::optional<bool>()> textOverflows(int32_t box)
{
    return [=]() -> std::optional<bool> {
        const std::optional<LayoutProbe> probe = probeLayout(box);
        if (!probe)
            return std::nullopt;
        return probe->overflows();
    };
}

/// Text that runs on: shrink while the range's end stays in the box, then grow until it is back.
void fitRunningOn(int32_t box, int32_t end, FitSession& session)
{
    session.removeAddedPagesAtEnd();
    if (moveBottomWhile(box, kShrinkStep, endInBox(box, end, true)))
        moveBottomWhile(box, kGrowStep, endInBox(box, end, false));
}

void fitColumns(int32_t box, int32_t end, const FitBoxFacts& facts, FitSession& session)
{
    if (facts.runsOn) {
        fitRunningOn(box, end, session);
        return;
    }
    const std::optional<LayoutProbe> first = probeLayout(box);
    if (!first)
        return;
    const xt::LineRecord* line = first->lineHolding(first->a);
    const bool fits = !line || line->fit != xt::kLineDoesNotFit;
    if (fits && !moveBottomWhile(box, kShrinkStep, decisiveLineFits(box, first->a, first->b, true)))
        return;
    moveBottomWhile(box, kGrowStep, decisiveLineFits(box, first->a, first->b, false));
}

/// The box that holds the character before `offset`; the chain's last box when it is overset.
int32_t boxHolding(int32_t box, int32_t offset)
{
    if (const int32_t holder = xt::calls::TextOp687(box, offset, 0); holder != 0)
        return holder;
    int32_t last = box;
    for (int32_t n = 0; n < kLoopLimit; ++n) {
        const int32_t next = xt::calls::GetNextLinkedBox(last);
        if (next == 0 || next == box)
            break;
        last = next;
    }
    return last;
}

void fitOneColumn(int32_t box, int32_t end, const FitBoxFacts& facts, FitSession& session)
{
    const std::optional<LayoutProbe> probe = probeLayout(box);
    if (!probe)
        return;
    const std::optional<xt::Fixed> depth = probe->depthBefore(probe->a);
    if (!depth)
        return;
    const int32_t target = boxHolding(box, probe->a - 1);
    foundation::BoxRecordLease record = foundation::BoxRecordLease::of(target);
    if (!record || xt::shape::isLine(record->shape))
        return;
    const bool shaped = xt::shape::hasShapeData(record->shape);
    if (!setDepth(record, target, *depth) || !shaped)
        return;
    record.release();
    // An outline's depth is only a first guess: its edges may cut lines short.
    if (!facts.runsOn) {
        moveBottomWhile(target, kGrowStep, textOverflows(box));
        return;
    }
    session.removeAddedPagesAtEnd();
    moveBottomWhile(target, kGrowStep, endInBox(box, end, false));
}

} // namespace

bool GrowBoxBy(xt::BoxRecord* record, int32_t box, xt::Fixed delta)
{
    if (!record)
        return false;
    if (xt::shape::isFramed(record->shape)) {
        xt::FixedRect rect = record->geometry.rect;
        rect.bottom = addSaturated(rect.bottom, delta);
        if (rect.bottom < rect.top)
            return false;
        record->geometry.rect = rect;
        return xt::calls::BoxRecordOp3010(record, box, 0, 1) == 0;
    }
    if (!xt::shape::hasShapeData(record->shape))
        return false;
    const std::optional<xt::FixedRect> bounds = foundation::shapeDataRect(*record);
    if (!bounds)
        return false;
    xt::FixedRect wanted = *bounds;
    wanted.bottom = addSaturated(bounds->bottom, delta);
    return reshape(record, box, *bounds, wanted);
}

void FitBoxToText(int32_t box)
{
    std::optional<FitSession> session = FitSession::begin(box);
    if (!session)
        return;
    const std::optional<FitBoxFacts> facts = readFitBoxFacts(box);
    if (!facts)
        return;
    const bool storyMode = currentSettings().FitCommand == FitBoxToStory;
    const BoxText text = currentBoxText(box);
    session->restoreSelectionAtEnd({text.story, text.selStart, text.selEnd});
    if (text.length <= 0 || (!storyMode && text.selStart == text.selEnd))
        return;
    const int32_t start = storyMode ? 0 : text.selStart;
    const int32_t end = storyMode ? text.length : text.selEnd;
    session->restoreSelectionAtEnd({text.story, start, end});
    xt::calls::SetTextSelection(text.story, end - 1, end, 0);
    if (facts->columns > 1)
        fitColumns(box, end, *facts, *session);
    else
        fitOneColumn(box, end, *facts, *session);
}

} // namespace amplex
