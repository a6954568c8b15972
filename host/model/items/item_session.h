// What the host keeps for a layout's items between operation calls: the item records it handed out,
// the end-point transforms it promised, the selection, the tool, and host command state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "host/model/items/line_geometry.h"
#include "xtapi/box_record.h"

namespace host::model {

/// Item records handed out by GetBoxRecord: independent copies, each remembering its item.
class RecordPool {
public:
    /// A record for `item` to be filled in by the caller; its bytes are left from earlier use.
    xt::BoxRecord* add(int32_t item);
    xt::BoxRecord* add(int32_t item, const xt::BoxRecord& record);
    /// The item a record was read from, or nullopt for a pointer the pool never gave out.
    std::optional<int32_t> sourceOf(const void* record) const;
    bool release(const void* record);
    size_t size() const { return m_live; }

private:
    struct Slot {
        xt::BoxRecord record;
        int32_t item = 0;
        bool live = false;
    };
    // A command reads and releases records by the thousand, so a released record's storage stays
    // known by its address and waits for the next GetBoxRecord; past a few spares it is freed.
    static constexpr size_t kSpareKept = 8;
    std::unordered_map<const void*, std::unique_ptr<Slot>> m_slots;
    std::vector<Slot*> m_spare;
    size_t m_live = 0;
};

/// A transform promised by XgfOp661 or XgfOp662: applied once by XgfOp672 to write `destination`.
struct PendingTransform {
    LineTransform transform;
    bool inverse;
    void* destination;
};

/// The few transforms that are waiting for XgfOp672; the oldest is dropped when too many wait.
class PendingTransforms {
public:
    PendingTransforms() { m_waiting.reserve(kKept); }
    int32_t add(const PendingTransform& pending);
    /// Takes the transform out; nullopt for an unknown or used context.
    std::optional<PendingTransform> take(int32_t context);

private:
    // Oldest first. Every line change promises and takes a transform or two, so the few waiting
    // ones live in storage reserved once.
    static constexpr size_t kKept = 16;
    std::vector<std::pair<int32_t, PendingTransform>> m_waiting;
    int32_t m_next = 1;
};

/// The current item and how it was chosen.
class Selection {
public:
    /// The slot ItemOp207 hands out; the store checks what it names before using it.
    int32_t* slot() { return &m_current; }
    int32_t rawCurrent() const { return m_current; }
    void setCurrent(int32_t item) { m_current = item; }

    /// The latest pseudo-group (0 none).
    int32_t multi() const { return m_multi; }
    void setMulti(int32_t multi) { m_multi = multi; }

    /// Gathers an item for the selection GetGroupItem is building; false when it is already in it.
    bool addToBuilding(int32_t item);
    void dropFromBuilding(int32_t item);
    /// The gathered items, in order; the next item starts a new selection.
    std::vector<int32_t> takeBuilding();

    int32_t tool() const { return m_tool; }
    void setTool(int32_t tool) { m_tool = tool; }

private:
    bool isBuilding(int32_t item);

    int32_t m_current = 0;
    int32_t m_multi = 0;
    std::vector<int32_t> m_building;
    std::unordered_set<int32_t> m_buildingSet; // filled only once the selection grows long
    int32_t m_tool = 0;
};

/// Host menu commands (XmoOp832 then XaqOp2966) and the edit bracket around a line change.
class CommandState {
public:
    void arm() { m_armed = true; }
    /// True once after arm().
    bool takeArmed() { return std::exchange(m_armed, false); }
    void openBracket() { ++m_brackets; }
    bool closeBracket();
    int32_t openBrackets() const { return m_brackets; }

private:
    bool m_armed = false;
    int32_t m_brackets = 0;
};

} // namespace host::model
