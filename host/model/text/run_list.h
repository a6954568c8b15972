// A partition of a story's offsets [0, length) into runs that each carry one value (character or
// paragraph attributes), queried by index; neighbouring runs never carry equal values.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "host/model/text/gap_buffer.h"

namespace host::model {

template <class Value>
class RunList {
public:
    explicit RunList(Value initial = {}) : m_emptyValue(std::move(initial)) {}

    int32_t length() const { return m_length; }
    size_t runCount() const { return m_runs.size(); }
    int32_t startOfRun(size_t index) const
    {
        assert(index < m_runs.size() && "no such run");
        return startOf(index);
    }
    int32_t endOfRun(size_t index) const
    {
        return index + 1 < m_runs.size() ? startOf(index + 1) : m_length;
    }
    const Value& valueOfRun(size_t index) const
    {
        assert(index < m_runs.size() && "no such run");
        return m_runs[index].value;
    }

    /// The run holding `offset`; the last run for offset == length. Needs at least one run.
    size_t runAt(int32_t offset) const
    {
        assert(!m_runs.empty() && "an empty list has no run");
        size_t low = 0;
        size_t high = m_runs.size();
        while (high - low > 1) {
            const size_t middle = (low + high) / 2;
            if (startOf(middle) <= offset)
                low = middle;
            else
                high = middle;
        }
        return low;
    }

    /// The value at `offset`, or the value the list keeps for new text when it is empty.
    const Value& valueAt(int32_t offset) const { return m_runs.empty() ? m_emptyValue : m_runs[runAt(offset)].value; }

    /// Inserts `count` offsets at `offset` carrying `value`.
    void insert(int32_t offset, int32_t count, const Value& value)
    {
        assert(offset >= 0 && offset <= m_length && count >= 0 && "insertion outside the list");
        if (count == 0)
            return;
        const size_t at = splitAt(offset);
        // The runs after the hole count from the end, so putting the hole here moves them all at once.
        m_runs.insert(at, Run{offset, value}, crossing());
        m_length += count;
        mergeAround(at);
    }

    /// Removes the offsets [start, end).
    void erase(int32_t start, int32_t end)
    {
        assert(start >= 0 && start <= end && end <= m_length && "erasure outside the list");
        if (start == end)
            return;
        const size_t first = splitAt(start);
        const size_t last = splitAt(end);
        if (first == 0 && last == m_runs.size())
            m_emptyValue = m_runs[0].value;
        m_runs.erase(first, last, crossing());
        m_length -= end - start;
        if (first > 0)
            mergeAround(first - 1);
    }

    /// Changes the value of every offset of [start, end) with `change`, splitting runs at the ends.
    void apply(int32_t start, int32_t end, const std::function<void(Value&)>& change)
    {
        assert(start >= 0 && start <= end && end <= m_length && "range outside the list");
        if (start == end)
            return;
        const size_t first = splitAt(start);
        const size_t last = splitAt(end);
        for (size_t i = first; i < last; ++i)
            change(m_runs[i].value);
        mergeRange(first, last);
    }

    void assign(int32_t start, int32_t end, const Value& value)
    {
        apply(start, end, [&](Value& v) { v = value; });
    }

    /// The value used for text inserted into an empty list.
    const Value& emptyValue() const { return m_emptyValue; }
    void setEmptyValue(Value value) { m_emptyValue = std::move(value); }

private:
    /// A run before the hole keeps its start; one after it keeps its start minus the length, so that
    /// text inserted or removed at the hole moves every later run without touching them.
    struct Run {
        int32_t start = 0;
        Value value{};
    };

    int32_t startOf(size_t index) const
    {
        const int32_t stored = m_runs[index].start;
        return index < m_runs.gap() ? stored : stored + m_length;
    }

    auto crossing()
    {
        return [this](Run& run, bool toFront) { run.start += toFront ? m_length : -m_length; };
    }

    /// Makes a run start at `offset` (unless it is the length) and returns its index.
    size_t splitAt(int32_t offset)
    {
        if (offset >= m_length)
            return m_runs.size();
        const size_t index = runAt(offset);
        if (startOf(index) == offset)
            return index;
        Value copy = m_runs[index].value;
        m_runs.insert(index + 1, Run{offset, std::move(copy)}, crossing());
        return index + 1;
    }

    void mergeAround(size_t index) { mergeRange(index == 0 ? 0 : index - 1, index + 2); }

    /// Joins equal neighbours among the runs [first - 1, last].
    void mergeRange(size_t first, size_t last)
    {
        size_t i = first == 0 ? 1 : first;
        size_t end = last + 1 < m_runs.size() ? last + 1 : m_runs.size();
        while (i < end) {
            if (!(m_runs[i].value == m_runs[i - 1].value)) {
                ++i;
                continue;
            }
            m_runs.erase(i, i + 1, crossing());
            --end;
        }
    }

    GapBuffer<Run> m_runs;
    int32_t m_length = 0;
    Value m_emptyValue;
};

} // namespace host::model
