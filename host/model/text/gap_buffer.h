// A sequence with a hole at the place of the last edit, so that edits near each other (a walk down a
// story inserting at each paragraph) move only what lies between them instead of everything after.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

namespace host::model {

/// Tells an element that it moves across the hole: `toFront` true when it now lies before it.
/// Elements that keep positions relative to the hole (RunList) convert them here.
struct NoCrossing {
    template <class T>
    void operator()(T&, bool) const
    {
    }
};

/// Copies `count` elements between sequences of different but same-sized integer types (a story's
/// char16_t and the contract's uint16_t) as one block instead of element by element.
template <class From, class To>
void copyUnits(const From* from, size_t count, To* to)
{
    if constexpr (sizeof(From) == sizeof(To) && std::is_integral_v<From> && std::is_integral_v<To>) {
        if (count > 0)
            std::memcpy(to, from, count * sizeof(To));
    } else {
        std::copy_n(from, count, to);
    }
}

template <class T>
class GapBuffer {
public:
    GapBuffer() = default;
    /// A copy holds the elements only, its hole closed where the original's is (elements may keep
    /// positions relative to it): an undo step's copy of a long story costs its text, not the room
    /// kept for growing it.
    GapBuffer(const GapBuffer& other)
    {
        m_store.reserve(other.size());
        m_store.insert(m_store.end(), other.m_store.begin(), other.m_store.begin() + static_cast<std::ptrdiff_t>(other.m_gapStart));
        m_store.insert(m_store.end(), other.m_store.begin() + static_cast<std::ptrdiff_t>(other.m_gapEnd), other.m_store.end());
        m_gapStart = m_gapEnd = other.m_gapStart;
    }
    GapBuffer(GapBuffer&& other) noexcept
        : m_store(std::move(other.m_store)), m_gapStart(std::exchange(other.m_gapStart, 0)), m_gapEnd(std::exchange(other.m_gapEnd, 0))
    {
    }
    GapBuffer& operator=(const GapBuffer& other)
    {
        if (this != &other)
            *this = GapBuffer(other);
        return *this;
    }
    GapBuffer& operator=(GapBuffer&& other) noexcept
    {
        m_store = std::move(other.m_store);
        other.m_store.clear();
        m_gapStart = std::exchange(other.m_gapStart, 0);
        m_gapEnd = std::exchange(other.m_gapEnd, 0);
        return *this;
    }

    size_t size() const { return m_store.size() - gapLength(); }
    bool empty() const { return size() == 0; }

    const T& operator[](size_t index) const { return m_store[physical(index)]; }
    T& operator[](size_t index) { return m_store[physical(index)]; }

    /// Elements [0, gap()) lie before the hole, the rest after it.
    size_t gap() const { return m_gapStart; }

    /// Moves the hole to `index` (0..size), telling each element that crosses it. The elements move
    /// as one block (a memmove for plain values), so a long jump costs a copy, not a loop of moves.
    template <class Cross = NoCrossing>
    void moveGap(size_t index, Cross cross = {})
    {
        assert(index <= size() && "the hole moves inside the sequence");
        const auto at = [this](size_t physicalIndex) { return m_store.begin() + static_cast<std::ptrdiff_t>(physicalIndex); };
        if (index < m_gapStart) {
            const size_t count = m_gapStart - index;
            std::move_backward(at(index), at(m_gapStart), at(m_gapEnd));
            m_gapStart -= count;
            m_gapEnd -= count;
            tellCrossing(m_gapEnd, count, false, cross);
        } else if (index > m_gapStart) {
            const size_t count = index - m_gapStart;
            std::move(at(m_gapEnd), at(m_gapEnd + count), at(m_gapStart));
            tellCrossing(m_gapStart, count, true, cross);
            m_gapStart += count;
            m_gapEnd += count;
        }
    }

    /// Inserts `count` values at `index`; they end up just before the hole.
    template <class U, class Cross = NoCrossing>
    void insert(size_t index, const U* values, size_t count, Cross cross = {})
    {
        moveGap(index, cross);
        reserveGap(count);
        copyUnits(values, count, m_store.data() + m_gapStart);
        m_gapStart += count;
    }

    template <class Cross = NoCrossing>
    void insert(size_t index, T value, Cross cross = {})
    {
        moveGap(index, cross);
        reserveGap(1);
        m_store[m_gapStart++] = std::move(value);
    }

    /// Removes the elements [first, last).
    template <class Cross = NoCrossing>
    void erase(size_t first, size_t last, Cross cross = {})
    {
        assert(first <= last && last <= size() && "erasure inside the sequence");
        moveGap(first, cross);
        // What the hole holds is never read; elements that own memory let it go now.
        if constexpr (!std::is_trivially_destructible_v<T>) {
            for (size_t i = 0; i < last - first; ++i)
                m_store[m_gapEnd + i] = T{};
        }
        m_gapEnd += last - first;
    }

    /// Copies [first, first + count) into `out`: a pointer, or any output iterator.
    template <class Out>
    void copy(size_t first, size_t count, Out out) const
    {
        assert(first + count <= size() && "copy inside the sequence");
        const size_t before = first < m_gapStart ? std::min(count, m_gapStart - first) : 0;
        const T* front = m_store.data() + first;
        const T* back = m_store.data() + physical(first + before);
        if constexpr (std::is_pointer_v<Out>) {
            copyUnits(front, before, out);
            copyUnits(back, count - before, out + before);
        } else {
            out = std::copy_n(front, before, out);
            std::copy_n(back, count - before, out);
        }
    }

    /// Calls `visit(const T* block, size_t count)` for the one or two stretches of storage that hold
    /// [first, first + count), in order, so that a caller can scan a range without going element by element.
    template <class Visit>
    void forEachBlock(size_t first, size_t count, Visit visit) const
    {
        assert(first + count <= size() && "range inside the sequence");
        const size_t before = first < m_gapStart ? std::min(count, m_gapStart - first) : 0;
        if (before > 0)
            visit(m_store.data() + first, before);
        if (count > before)
            visit(m_store.data() + physical(first + before), count - before);
    }

    /// Writes `count` values over the elements from `first`, which must lie inside the sequence.
    template <class U>
    void write(size_t first, const U* values, size_t count)
    {
        assert(first + count <= size() && "write inside the sequence");
        const size_t before = first < m_gapStart ? std::min(count, m_gapStart - first) : 0;
        copyUnits(values, before, m_store.data() + first);
        copyUnits(values + before, count - before, m_store.data() + physical(first + before));
    }

private:
    template <class Cross>
    void tellCrossing(size_t from, size_t count, bool toFront, Cross& cross)
    {
        if constexpr (!std::is_same_v<Cross, NoCrossing>) {
            for (size_t i = from; i < from + count; ++i)
                cross(m_store[i], toFront);
        }
    }

    size_t gapLength() const { return m_gapEnd - m_gapStart; }
    size_t physical(size_t index) const { return index < m_gapStart ? index : index + gapLength(); }

    /// Widens the hole to at least `count`, growing the store by half again or more.
    void reserveGap(size_t count)
    {
        if (gapLength() >= count)
            return;
        const size_t after = m_store.size() - m_gapEnd;
        const size_t grown = std::max(m_store.size() + count, m_store.size() + m_store.size() / 2 + 16);
        std::vector<T> store(grown);
        std::move(m_store.begin(), m_store.begin() + static_cast<std::ptrdiff_t>(m_gapStart), store.begin());
        std::move(m_store.end() - static_cast<std::ptrdiff_t>(after), m_store.end(), store.end() - static_cast<std::ptrdiff_t>(after));
        m_store = std::move(store);
        m_gapEnd = m_store.size() - after;
    }

    std::vector<T> m_store;
    size_t m_gapStart = 0;
    size_t m_gapEnd = 0;
};

} // namespace host::model
