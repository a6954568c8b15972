// Ruler guides: a list per page (set 0) and a list per spread (set 1), each guide a small value.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "xtapi/page_records.h"

namespace host::model {

enum class GuideKind : uint8_t { Vertical = 1, Horizontal = 2 };

/// A guide at a position in spread coordinates: a vertical guide's horizontal position or a
/// horizontal guide's vertical one. The host keeps the bytes it does not model as given.
class Guide {
public:
    Guide(GuideKind kind, const xt::GuideEntry& entry) : m_kind(kind), m_entry(entry) {}

    GuideKind kind() const { return m_kind; }
    xt::Fixed position() const { return m_entry.position; }
    xt::FourLetterCode colour() const { return m_entry.colour; }
    bool isLocked() const { return (m_entry.flags & xt::kGuideLocked) != 0; }
    bool isOnMaster() const { return (m_entry.flags & xt::kGuideOnMaster) != 0; }
    const xt::GuideEntry& entry() const { return m_entry; }

private:
    GuideKind m_kind;
    xt::GuideEntry m_entry;
};

/// Which list: a page's (keyed by page reference) or a spread's (keyed by spread index).
struct GuideListKey {
    uint8_t set;
    int32_t owner;
    auto operator<=>(const GuideListKey&) const = default;
};

class GuideStore {
public:
    /// The guides of one kind in a list, in the order they were added.
    std::vector<Guide> guides(GuideListKey key, GuideKind kind) const;
    size_t count(GuideListKey key, GuideKind kind) const;
    /// Adds a guide of the kind after the others and gives its index.
    size_t add(GuideListKey key, GuideKind kind, const xt::GuideEntry& entry);
    /// Guide `index` of the kind, or nullopt.
    std::optional<Guide> guide(GuideListKey key, GuideKind kind, size_t index) const;
    /// Replaces guide `index` of the kind; false, with nothing changed, when the list has no such guide.
    bool replace(GuideListKey key, GuideKind kind, size_t index, const xt::GuideEntry& entry);
    enum class Removal : uint8_t { Removed, NoSuchGuide, Locked };
    /// Removes guide `index`, and the guides after it close up; a locked guide stays.
    Removal remove(GuideListKey key, GuideKind kind, size_t index);
    void clear(GuideListKey key);
    /// Every list that holds a guide, for saving.
    std::vector<GuideListKey> keys() const;

private:
    using Lists = std::array<std::vector<xt::GuideEntry>, 2>;
    static size_t slot(GuideKind kind) { return kind == GuideKind::Vertical ? 0 : 1; }

    std::map<GuideListKey, Lists> m_lists;
};

} // namespace host::model
