// Unlinking a box in one of four ways. The host splits chains without moving text (the text stays with
// the part that starts the chain); the text each part should show is cut before the split and pasted
// into its new story after it.
#include "foundation/binding/binding.h"
#include "threadix/engine/box_facts.h"
#include "threadix/engine/chain_record.h"
#include "threadix/engine/chain_work.h"
#include "threadix/engine/document_setting.h"
#include "threadix/engine/group_members.h"
#include "threadix/engine/text_moves.h"

namespace threadix {
namespace {

/// How the host splits a chain around a box (UnlinkChainBox).
enum ChainSplit : int32_t {
    kRemoveBox = 0,
    kCutBefore = 1,
    kCutAfter = 2,
};

bool split(int32_t box, ChainSplit where)
{
    return xt::calls::UnlinkChainBox(box, where) == 0;
}

/// Where the text `box` shows begins; the story's end for a box the text does not reach.
int32_t startOf(int32_t box)
{
    return firstOffsetOf(box).value_or(currentLength());
}

/// Cuts [start, end) of the current box's story, splits the chain, and pastes the text at the start of
/// `receiver`'s story (the current box's when 0). Nothing is split when the host refuses to take the
/// text out: a split would leave the text in the wrong chain.
void moveAcrossSplit(int32_t box, int32_t start, int32_t end, ChainSplit where, int32_t receiver = 0)
{
    makeCurrent(box);
    const bool hasText = start < (end == kStoryEnd ? currentLength() : end);
    const bool moved = hasText && cutFromCurrentBox(start, end);
    if (hasText && !moved)
        return;
    if (!split(box, where)) {
        // The chain stays whole: the text goes back where it was.
        if (moved)
            pasteIntoCurrentBox(start);
        return;
    }
    recompose();
    if (receiver != 0)
        makeCurrent(receiver);
    if (moved)
        pasteIntoCurrentBox(0);
    recompose();
}

void unlinkTextBox(int32_t box, UnlinkMode mode)
{
    xt::calls::SetCurrentTool(kContentTool);
    makeCurrent(box);
    const auto [before, after] = neighboursOf(box);
    switch (mode) {
    case UnlinkMode::CutAtEnd:
        if (after != 0)
            moveAcrossSplit(box, startOf(after), kStoryEnd, kCutAfter, after);
        break;
    case UnlinkMode::CutAtStart:
        if (before != 0)
            moveAcrossSplit(box, startOf(box), kStoryEnd, kCutBefore);
        break;
    case UnlinkMode::FlowAround:
    case UnlinkMode::SeparateChains:
        if (before != 0)
            StoreChainRecord(before, box);
        if (after != 0)
            StoreChainRecord(box, after);
        if (before != 0 && after != 0 && mode == UnlinkMode::FlowAround) {
            moveAcrossSplit(box, startOf(box), startOf(after), kRemoveBox);
            break;
        }
        if (before != 0)
            moveAcrossSplit(box, startOf(box), kStoryEnd, kCutBefore);
        // The box now starts its chain: what follows its own text goes to the box after it.
        if (after != 0)
            moveAcrossSplit(box, startOf(after), kStoryEnd, kCutAfter, after);
        break;
    }
    makeCurrent(box);
}

} // namespace

void UnlinkBox(const WorkPlace& place, int32_t box, UnlinkMode mode)
{
    const DocumentSettingOff settingOff;
    showPageOf(place, box);
    makeCurrent(box);
    const BoxKind kind = boxKind(box);
    if (kind == BoxKind::Group || kind == BoxKind::Selection) {
        if (kind == BoxKind::Group)
            xt::calls::XgsOp3971(box);
        for (int32_t member : groupMembers(place, box)) {
            makeCurrent(member);
            UnlinkBox(place, member, mode);
        }
        return;
    }
    if (kind == BoxKind::Text)
        unlinkTextBox(box, mode);
}

} // namespace threadix
