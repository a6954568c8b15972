// RestoreTextBox: the chain's marker, the anchored items, then the runs' attributes.
#include "amplex/commands/restore_text_box.h"

#include <algorithm>
#include <cstring>

#include "amplex/commands/restore_item.h"
#include "amplex/engine/text/text_done_marker.h"
#include "amplex/undo/undo_list.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/document/data_blocks.h"
#include "xtapi/text_records.h"

namespace amplex {
namespace {

// The paragraph codes that go back, in the order they are set; the tab stops come first.
struct ParagraphField {
    int32_t code;
    xt::Fixed (*value)(const xt::ParagraphRecord&);
};

constexpr ParagraphField kParagraphFields[] = {
    {xt::kParaLeading, [](const xt::ParagraphRecord& p) { return p.leading; }},
    {xt::kParaSpaceBefore, [](const xt::ParagraphRecord& p) { return p.spaceBefore; }},
    {xt::kParaSpaceAfter, [](const xt::ParagraphRecord& p) { return p.spaceAfter; }},
    {xt::kParaLeftIndent, [](const xt::ParagraphRecord& p) { return p.leftIndent; }},
    {xt::kParaFirstLineIndent, [](const xt::ParagraphRecord& p) { return p.firstLineIndent; }},
    {xt::kParaRightIndent, [](const xt::ParagraphRecord& p) { return p.rightIndent; }},
    {xt::kParaRuleAboveWeight, [](const xt::ParagraphRecord& p) { return p.ruleAbove.weight; }},
    {xt::kParaRuleAboveRightIndent, [](const xt::ParagraphRecord& p) { return p.ruleAbove.rightIndent; }},
    {xt::kParaRuleAboveLeftIndent, [](const xt::ParagraphRecord& p) { return p.ruleAbove.leftIndent; }},
    {xt::kParaRuleAboveOffset, [](const xt::ParagraphRecord& p) { return p.ruleAbove.offset; }},
    {xt::kParaRuleBelowWeight, [](const xt::ParagraphRecord& p) { return p.ruleBelow.weight; }},
    {xt::kParaRuleBelowRightIndent, [](const xt::ParagraphRecord& p) { return p.ruleBelow.rightIndent; }},
    {xt::kParaRuleBelowLeftIndent, [](const xt::ParagraphRecord& p) { return p.ruleBelow.leftIndent; }},
    {xt::kParaRuleBelowOffset, [](const xt::ParagraphRecord& p) { return p.ruleBelow.offset; }},
};

bool carriesMarker(int32_t box)
{
    xt::Handle block = foundation::GetXtData(box, foundation::XtDataBox, kUndoneTextId);
    if (!block)
        return false;
    xt::calls::DisposeHandle(block);
    return true;
}

void markChain(int32_t box)
{
    TextDoneMarker marker{};
    std::memcpy(marker.text, "textdone", sizeof marker.text);
    // Unmarked, the story comes back once for each box of the chain, to the same values.
    xt::Handle block = xt::calls::NewHandle(sizeof marker);
    if (!block)
        return;
    std::memcpy(*block, &marker, sizeof marker);
    auto mark = [&](int32_t b) {
        foundation::SetXtData(b, foundation::XtDataBox, kUndoneTextId, block);
        markedForUndo().push_back(b);
    };
    mark(box);
    for (int32_t b = xt::calls::GetNextLinkedBox(box); b != 0 && b != box; b = xt::calls::GetNextLinkedBox(b))
        mark(b);
    for (int32_t b = xt::calls::GetPreviousLinkedBox(box); b != 0 && b != box; b = xt::calls::GetPreviousLinkedBox(b))
        mark(b);
    xt::calls::DisposeHandle(block);
}

/// The anchored items of the story go back through their own entries.
void restoreAnchoredItems(int32_t story, int32_t box, int32_t length)
{
    const auto entries = undoEntries(undoList().restoring());
    int32_t position = 0;
    uint8_t found = 0;
    while (position >= 0 && position < length) {
        if (xt::calls::FindNextAnchor(story, &position, length, 1, 0, 1, 0, &found) != 0 || !found || position < 0)
            return;
        const int32_t item = xt::calls::GetAnchoredItem(story, position, box);
        if (item < 0)
            foundation::noteHostFailure();  // 0 is an anchor whose item is gone; -1 the host failing
        const auto entry = std::find_if(entries.begin(), entries.end(),
            [item](const UndoEntry& e) { return e.item == item && e.AnchoredItem != 0; });
        if (item != 0 && entry != entries.end())
            RestoreItemFromUndo(*entry);
        ++position;
    }
}

void restoreCharacterRuns(int32_t story, const CharRunNode* node)
{
    for (; node; node = node->next) {
        // Unselected, the run's values would land on the run selected before.
        if (xt::calls::SetTextSelection(story, node->start, node->end, 0) != 0)
            continue;
        xt::calls::SetStoryValue3094(story, xt::negativeCharacterCode(xt::kCharSize), node->attributes.size);
        xt::calls::SetStoryValue3094(story, xt::negativeCharacterCode(xt::kCharTracking), node->attributes.tracking);
        xt::calls::SetStoryValue3094(story, xt::negativeCharacterCode(xt::kCharHorizontalScale), node->attributes.horizontalScale);
    }
}

void restoreParagraphRuns(int32_t story, const ParaRunNode* node)
{
    for (; node; node = node->next) {
        if (node->hasTabs)
            xt::calls::SetTextRunAttribute(story, node->start, node->end, xt::kParaTabs,
                reinterpret_cast<intptr_t>(node->tabs.entries), 0);
        for (const ParagraphField& field : kParagraphFields)
            xt::calls::SetTextRunAttribute(story, node->start, node->end, field.code, field.value(node->attributes), 0);
    }
}

} // namespace

void RestoreTextBox(const UndoEntry& entry)
{
    if (entry.charRunCount == 0 && entry.paraRunCount == 0)
        return;
    // Another box of the chain has brought the shared story back already.
    if (carriesMarker(entry.item))
        return;
    markChain(entry.item);
    int32_t story = 0, selStart = 0, selEnd = 0, length = 0;
    xt::calls::SetCurrentBox(entry.item);
    // The entry holds runs, so the item had a story when it was recorded.
    if (xt::calls::GetBoxTextInfo(entry.item, &story, &selStart, &selEnd, &length) != 0 || story == 0)
        return;
    restoreAnchoredItems(story, entry.item, length);
    xt::calls::StoryMode1375(0);
    restoreCharacterRuns(story, entry.charRuns);
    restoreParagraphRuns(story, entry.paraRuns);
    // The selection goes back to where the entry saw it, as the runs do.
    xt::calls::SetTextSelection(story, entry.selectionStart, entry.selectionEnd, 0);
}

void clearUndoneMarkers()
{
    for (const int32_t box : markedForUndo())
        foundation::SetXtData(box, foundation::XtDataBox, kUndoneTextId, nullptr);
    markedForUndo().clear();
}

} // namespace amplex
