// A sequence with a hole at the place of the last edit, so that edits near each other (a walk down a
// story inserting at each paragraph) move only what lies between them instead of everything after.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
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

template <class T>
class GapBuffer {
public:
    size_t size() const { return m_store.size() - gapLength(); }
    bool empty() const { return size() == 0; }

    const T& operator[](size_t index) const { return m_store[physical(index)]; }
    T& operator[](size_t index) { return m_store[physical(index)]; }

    /// Elements [0, gap()) lie before the hole, the rest after it.
    size_t gap() const { return m_gapStart; }

    /// Moves the hole to `index` (0..size), telling each element that crosses it.
    template <class Cross = NoCrossing>
    void moveGap(size_t index, Cross cross = {})
    {
        assert(index <= size() && "the hole moves inside the sequence");
        while (m_gapStart > index) {
            --m_gapStart;
            --m_gapEnd;
            m_store[m_gapEnd] = std::move(m_store[m_gapStart]);
            cross(m_store[m_gapEnd], false);
        }
        while (m_gapStart < index) {
            m_store[m_gapStart] = std::move(m_store[m_gapEnd]);
            cross(m_store[m_gapStart], true);
            ++m_gapStart;
            ++m_gapEnd;
        }
    }

    /// Inserts `count` values at `index`; they end up just before the hole.
    template <class Cross = NoCrossing>
    void insert(size_t index, const T* values, size_t count, Cross cross = {})
    {
        moveGap(index, cross);
        reserveGap(count);
        std::copy(values, values + count, m_store.begin() + static_cast<std::ptrdiff_t>(m_gapStart));
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

    /// Copies [first, first + count) into `out`.
    template <class Out>
    void copy(size_t first, size_t count, Out out) const
    {
        assert(first + count <= size() && "copy inside the sequence");
        const size_t before = first < m_gapStart ? std::min(count, m_gapStart - first) : 0;
        out = std::copy_n(m_store.begin() + static_cast<std::ptrdiff_t>(first), before, out);
        std::copy_n(m_store.begin() + static_cast<std::ptrdiff_t>(physical(first + before)), count - before, out);
    }

    /// Writes `count` values over the elements from `first`, which must lie inside the sequence.
    void write(size_t first, const T* values, size_t count)
    {
        assert(first + count <= size() && "write inside the sequence");
        const size_t before = first < m_gapStart ? std::min(count, m_gapStart - first) : 0;
        std::copy_n(values, before, m_store.begin() + static_cast<std::ptrdiff_t>(first));
        std::copy_n(values + before, count - before, m_store.begin() + static_cast<std::ptrdiff_t>(physical(first + before)));
    }

private:
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
