// Linking: a box to the box its record names or to the nearest box of its width, and the boxes of a
// selection in the order they were chosen. Each link moves the later chain's text after the earlier
// chain's by cut and paste, so that it keeps its attributes.
#include <array>
#include <cstdlib>

#include "foundation/binding/binding.h"
#include "threadix/engine/box_facts.h"
#include "threadix/engine/chain_record.h"
#include "threadix/engine/chain_work.h"
#include "threadix/engine/document_setting.h"
#include "threadix/engine/group_members.h"
#include "threadix/engine/text_moves.h"

namespace threadix {
namespace {

/// The character that sends the text after it to the next box of the chain.
constexpr uint16_t kNextBoxCharacter = 12;

constexpr xt::Fixed kNoMatch = 5000 * xt::kFixedOne;
constexpr xt::Fixed kCloseEnough = 16 * xt::kFixedOne;
/// The search stops after this many text boxes on the box's own spread, and this many in all.
constexpr int kMostOnOwnSpread = 6;
constexpr int kMostInAll = 10;

bool sameChain(int32_t first, int32_t second)
{
    const auto a = boxText(first);
    const auto b = boxText(second);
    return a && b && a->story == b->story;
}

/// True when `box` may be linked to `target`: `box` ends its chain, `target` is a text box that starts
/// another chain.
bool linkable(int32_t box, int32_t target)
{
    return target != 0 && target != box && boxKind(target) == BoxKind::Text && boxAfter(box) == 0
        && boxBefore(target) == 0 && !sameChain(box, target);
}

/// Links `target` after `box`, the text of the target's chain following the text of the box's chain.
bool linkKeepingText(int32_t box, int32_t target)
{
    makeCurrent(target);
    const bool moved = cutFromCurrentBox(0, kStoryEnd);
    const bool linked = xt::calls::LinkBoxes(box, target, 1) == 0;
    recompose();
    // A refused link leaves the target its text back; a made one gets it at the end of the joined story.
    if (moved)
        pasteIntoCurrentBox(linked ? kStoryEnd : 0);
    recompose();
    return linked;
}

/// Ends the text of `box` with a next-box character, unless it ends with one already or is empty.
void endWithNextBox(int32_t box)
{
    const auto text = boxText(box);
    if (!text || text->length == 0)
        return;
    uint16_t last = 0;
    if (xt::calls::GetTextChars(text->story, text->length - 1, 1, &last) != 0 || last == kNextBoxCharacter)
        return;
    xt::calls::InsertTextChars(text->story, text->length, 1, &kNextBoxCharacter, 0);
}

class ChainBoxSearch {
public:
    explicit ChainBoxSearch(xt::Fixed ownWidth) : m_ownWidth(ownWidth) {}

    /// Weighs one item; true when the search is over.
    bool weigh(int32_t item, int most)
    {
        if (boxKind(item) != BoxKind::Text)
            return false;
        const auto width = widthOf(item);
        if (!width)
            return false;
        const xt::Fixed difference = std::abs(*width - m_ownWidth);
        if (difference < m_best) {
            m_best = difference;
            m_candidate = item;
        }
        ++m_count;
        return difference < kCloseEnough || m_count >= most;
    }
    int32_t candidate() const { return m_candidate; }

private:
    xt::Fixed m_ownWidth;
    xt::Fixed m_best = kNoMatch;
    int32_t m_candidate = 0;
    int m_count = 0;
};

} // namespace

int32_t FindNextChainBox(const WorkPlace& place, int32_t box)
{
    const auto width = widthOf(box);
    const auto where = placeOf(box);
    if (!width || !where)
        return 0;
    ChainBoxSearch search(*width);
    for (int32_t item = xt::calls::GetNextItem(box, 1); item != 0; item = xt::calls::GetNextItem(item, 1)) {
        if (search.weigh(item, kMostOnOwnSpread))
            return search.candidate();
    }
    const int16_t spreads = xt::calls::GetCount1305(place.document);
    for (int32_t spread = where->spread + 2; spread <= spreads; ++spread) {
        int32_t item = 0;
        if (xt::calls::GetFirstItem(place.document, spread, 1, &item) != 0)
            continue;
        for (; item != 0; item = xt::calls::GetNextItem(item, 1)) {
            if (search.weigh(item, kMostInAll))
                return search.candidate();
        }
    }
    return search.candidate();
}

LinkOutcome LinkSelectionInOrder(const WorkPlace& place, int32_t selection, bool keepText)
{
    const DocumentSettingOff settingOff;
    showPageOf(place, selection);
    const std::vector<int32_t> boxes = groupMembers(place, selection);
    LinkOutcome outcome = LinkOutcome::Done;
    for (size_t i = 0; i + 1 < boxes.size(); ++i) {
        const int32_t box = boxes[i];
        const int32_t next = boxes[i + 1];
        const BoxKind kind = boxKind(box);
        if (kind == BoxKind::Group || kind == BoxKind::Selection) {
            outcome = LinkOutcome::GroupedBoxes;
            break;
        }
        makeCurrent(box);
        if (kind != BoxKind::Text || !linkable(box, next))
            continue;
        if (keepText)
            endWithNextBox(box);
        linkKeepingText(box, next);
    }
    makeCurrent(0);
    xt::calls::SetCurrentTool(kItemTool);
    return outcome;
}

LinkOutcome RelinkBox(const WorkPlace& place, int32_t box, bool keepText)
{
    const BoxKind kind = boxKind(box);
    if (kind == BoxKind::Selection)
        return LinkSelectionInOrder(place, box, keepText);
    const DocumentSettingOff settingOff;
    showPageOf(place, box);
    makeCurrent(box);
    if (kind == BoxKind::Group) {
        xt::calls::XgsOp3971(box);
        for (int32_t member : groupMembers(place, box)) {
            makeCurrent(member);
            RelinkBox(place, member, keepText);
        }
        return LinkOutcome::Done;
    }
    if (kind != BoxKind::Text)
        return LinkOutcome::Done;
    xt::calls::SetCurrentTool(kContentTool);
    if (boxAfter(box) != 0)
        return LinkOutcome::Done;
    const std::optional<int32_t> named = readChainRecord(box);
    const int32_t target = named ? *named : FindNextChainBox(place, box);
    if (linkable(box, target))
        linkKeepingText(box, target);
    makeCurrent(box);
    return LinkOutcome::Done;
}

} // namespace threadix
