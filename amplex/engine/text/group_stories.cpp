// CollectGroupStories and the table it fills.
#include "amplex/engine/text/group_stories.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/scalers/group_members.h"
#include "foundation/binding/binding.h"

namespace amplex {
namespace {

/// A chain longer than this is taken to be broken (a box linked back into its own chain).
constexpr int32_t kLongestChain = 100000;

using Members = std::vector<int32_t>;

bool isMember(const Members& members, int32_t box)
{
    return std::find(members.begin(), members.end(), box) != members.end();
}

/// The story offset of the box's first character; empty when no memory is to be had for the probe.
std::optional<int32_t> firstCharacterOffset(int32_t box)
{
    xt::Handle scratch = xt::calls::NewHandle(0);
    if (!scratch)
        return std::nullopt;
    int32_t boxInOut = box;
    int32_t offset = 0;
    int32_t unused = 0;
    xt::calls::HostResult3186(xt::calls::CopyTextToHandle2828(&boxInOut, &offset, 0, &unused, &scratch));
    xt::calls::DisposeHandle(scratch);
    return offset;
}

/// Follows the chain from `box` one way; the first box outside the group marks the chain as leaving.
template <class Step>
void walkChain(int32_t box, const Members& members, Step step)
{
    for (int32_t n = 0; box != 0 && n < kLongestChain; ++n, box = step(box)) {
        if (isMember(members, box))
            continue;
        groupStories().markChainLeaves();
        return;
    }
}

/// Records the range of one text box; false when the survey has to stop for want of memory.
bool surveyTextBox(int32_t box, const Members& members)
{
    GroupStories& stories = groupStories();
    int32_t length = 0;
    xt::calls::GetBoxTextInfo(box, nullptr, nullptr, nullptr, &length);
    const int32_t number = stories.countTextBox();
    if (length == 0 || number >= GroupStories::kCapacity)
        return true;

    TextScaleRange range{0, length};
    bool enoughMemory = true;
    if (const int32_t previous = xt::calls::GetPreviousLinkedBox(box)) {
        const auto start = firstCharacterOffset(box);
        enoughMemory = start.has_value();
        range.start = start.value_or(range.start);
        if (enoughMemory && !stories.chainLeavesGroup())
            walkChain(previous, members, [](int32_t b) { return xt::calls::GetPreviousLinkedBox(b); });
    }
    const int32_t next = enoughMemory ? xt::calls::GetNextLinkedBox(box) : 0;
    if (next != 0) {
        const auto end = firstCharacterOffset(next);
        enoughMemory = end.has_value();
        range.end = end.value_or(range.end);
        if (enoughMemory && !stories.chainLeavesGroup())
            walkChain(next, members, [](int32_t b) { return xt::calls::GetNextLinkedBox(b); });
    }
    stories.setEntry(number, range);
    return enoughMemory;
}

/// Surveys the members, groups inside included; false when the survey has to stop.
bool surveyGroup(int32_t group)
{
    const auto members = groupMembers(group);
    if (!members) {
        ShowScaleWarning("Memory problem 3!");
        return true;
    }
    for (const int32_t member : *members) {
        if (xt::calls::IsGroup(member) != 0 && !isTableItem(member)) {
            if (!surveyGroup(member))
                return false;
            continue;
        }
        if (xt::calls::IsTextBox(member) != 0 && !surveyTextBox(member, *members))
            return false;
    }
    return true;
}

} // namespace

void GroupStories::reset()
{
    m_entries.fill({});
    m_count = 0;
    m_chainLeaves = false;
}

void GroupStories::setEntry(int32_t number, TextScaleRange range)
{
    if (number > 0 && number < kCapacity)
        m_entries[static_cast<size_t>(number)] = range;
}

TextScaleRange GroupStories::nextRange()
{
    ++m_cursor;
    if (m_cursor >= kCapacity || m_count == 0)
        return {};
    return m_entries[static_cast<size_t>(m_cursor)];
}

GroupStories& groupStories()
{
    static GroupStories stories;
    return stories;
}

void CollectGroupStories(int32_t group)
{
    surveyGroup(group != 0 ? group : currentItem());
}

} // namespace amplex
