// The survey of a group's text boxes before it scales: which part of its story each box holds, and
// whether a text chain leaves the group.
#pragma once

#include <array>
#include <cstdint>

#include "amplex/engine/text/text_scale_range.h"

namespace amplex {

/// `GroupStoryTable` with `GroupStoryCount`, `ChainLeavesGroup` and `GroupStoryCursor`. Entry n
/// (from 1) belongs to the n-th text box of the group in visiting order.
class GroupStories {
public:
    static constexpr int32_t kCapacity = 100;

    /// Forgets the last survey: no text boxes counted, no chain leaving.
    void reset();
    int32_t count() const { return m_count; }
    bool chainLeavesGroup() const { return m_chainLeaves; }

    /// Counts a text box and returns its number.
    int32_t countTextBox() { return ++m_count; }
    void setEntry(int32_t number, TextScaleRange range);
    void markChainLeaves() { m_chainLeaves = true; }

    /// The text boxes reached so far while the group scales.
    void resetCursor() { m_cursor = 0; }
    /// Steps to the next text box and gives the range it scales: its entry, or none from the 100th
    /// box on or when the survey found no text.
    TextScaleRange nextRange();

private:
    std::array<TextScaleRange, kCapacity> m_entries{};  // slot 0 unused
    int32_t m_count = 0;
    int32_t m_cursor = 0;
    bool m_chainLeaves = false;
};

GroupStories& groupStories();

/// Surveys the text boxes of `group` (0: the current item), groups inside it included. Expects the
/// caller to have reset the survey.
void CollectGroupStories(int32_t group);

} // namespace amplex
