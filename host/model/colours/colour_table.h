// A colour table: a layout's colours (or the application's, used while no document is open), found by
// number or name, with the colours being made or edited kept aside until they are committed.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/model/colours/colour.h"

namespace host::model {

/// Counts every change to any colour table, so that a plug-in can tell when to look at colours again
/// and the host when to send its change notice.
class ColourChanges {
public:
    uint32_t count() const { return m_count; }
    void note() { ++m_count; }

private:
    uint32_t m_count = 0;
};

/// Why a table refused a change.
enum class ColourProblem : uint8_t { NoName, NameTooLong, ReservedName, NameTaken, Fixed, NoSuchColour, TableFull };

/// The longest colour name, in bytes (the plug-ins read names into 256-byte buffers).
inline constexpr size_t kMaxColourNameLength = 255;
/// The name that stands for "no colour" in documents; no colour may take it.
inline constexpr std::string_view kNoColourName = "None";

class ColourTable {
public:
    /// A table with the host's default colours.
    ColourTable(int32_t ref, ColourChanges& changes);
    ColourTable(const ColourTable&) = delete;
    ColourTable& operator=(const ColourTable&) = delete;

    /// The reference the colour operations know the table by.
    int32_t ref() const { return m_ref; }

    /// The committed colours, by number.
    const std::vector<Colour>& colours() const { return m_colours; }
    /// True while the table holds just the colours a new table has, as they were.
    bool holdsDefaultsOnly() const;
    const Colour* find(int16_t id) const;
    const Colour* findByName(std::string_view name) const;
    /// The first colour's number, and the number after `id`; xt::kColourEnd past the last.
    int16_t firstId() const;
    int16_t nextId(int16_t id) const;

    /// Adds a colour under the next free number.
    struct Added {
        int16_t id = xt::kColourEnd;
        std::optional<ColourProblem> problem;
        explicit operator bool() const { return !problem; }
    };
    Added add(std::string name, const ColourValue& value, Ink ink);
    /// The table of a document being read: the fixed colours and these, each under its own number
    /// (none of them fixed). Not counted as a change.
    void replaceUserColours(const std::vector<Colour>& colours);
    std::optional<ColourProblem> rename(int16_t id, std::string name);
    std::optional<ColourProblem> setValue(int16_t id, const ColourValue& value);
    std::optional<ColourProblem> setInk(int16_t id, Ink ink);
    /// Takes a colour out of the table; what still uses its number names no colour.
    std::optional<ColourProblem> remove(int16_t id);

    /// A new number for a colour being made (ColorOp350): it is a draft until committed.
    std::optional<int16_t> reserve();
    /// Opens a colour for editing: a draft copy that the table does not show until it is committed.
    /// False for a fixed colour or an unknown number.
    bool beginEdit(int16_t id);
    /// The draft of a colour being made or edited, or null.
    Colour* draft(int16_t id);
    /// Puts the draft in the table. A draft whose name is empty or taken is dropped with the problem.
    std::optional<ColourProblem> commit(int16_t id);

private:
    std::optional<ColourProblem> checkName(std::string_view name, int16_t id) const;
    Colour* findToChange(int16_t id, std::optional<ColourProblem>& problem);
    void put(const Colour& colour);

    int32_t m_ref;
    ColourChanges* m_changes;
    std::vector<Colour> m_colours;
    std::map<int16_t, Colour> m_drafts;
    int32_t m_nextId = 0;
};

} // namespace host::model
