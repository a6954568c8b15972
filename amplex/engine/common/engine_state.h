// The run state that the scalers share while they change a document: the origin, a line's end
// points, the flags that mark a scale in progress and what the command layer hands down.
#pragma once

#include <cstdint>

#include "xtapi/box_record.h"

namespace amplex {

using xt::Fixed;
using xt::FixedPoint;
using xt::FixedRect;

/// Larger than any page coordinate: a Selection scale starts its origin here so that the smaller of
/// this and an item's corner is the item's corner.
inline constexpr Fixed kOriginSentinel = 0x19000000;

class EngineState {
public:
    /// `ScaleOrigin`: the point that stays where it is while an item scales.
    FixedPoint origin() const { return m_origin; }
    void setOrigin(FixedPoint origin) { m_origin = origin; }
    /// Moves each coordinate of the origin to the point's where the point's is smaller.
    void lowerOriginTo(FixedPoint corner);

    /// `LineEndPoints`: the end points of the line being scaled.
    FixedPoint firstLineEnd() const { return m_lineEnds[0]; }
    FixedPoint secondLineEnd() const { return m_lineEnds[1]; }
    void setLineEnds(FixedPoint first, FixedPoint second);

    /// `ScaleActive`: set while an engine changes the document.
    bool scaleActive() const { return m_scaleActive; }
    void beginScale() { m_scaleActive = true; }
    /// Clears `ScaleActive`, unless an undo has just run and the redo that may follow needs it.
    void endScale(bool undoReplayActive);

    /// `ScaledItemPlace`: the spread and page number of the item scaled last, for step and repeat.
    int16_t scaledSpread() const { return m_scaledSpread; }
    int16_t scaledPageNumber() const { return m_scaledPageNumber; }
    void setScaledItemPlace(int16_t spread, int16_t pageNumber);

    /// `TableScaledFlag`: while a table's cells scale, the scalers keep the origin they are given.
    bool tableScaled() const { return m_tableScaled; }
    void setTableScaled(bool on) { m_tableScaled = on; }

    /// `DocumentScalingActive`: set by document scaling, which regroups groups itself.
    bool documentScalingActive() const { return m_documentScaling; }
    void setDocumentScalingActive(bool on) { m_documentScaling = on; }

    /// The selection's rectangle as the command layer measured it before the scale (`SelectionBounds`).
    FixedRect selectionBounds() const { return m_selectionBounds; }
    void setSelectionBounds(FixedRect bounds) { m_selectionBounds = bounds; }

private:
    FixedPoint m_origin{};
    FixedPoint m_lineEnds[2]{};
    FixedRect m_selectionBounds{};
    int16_t m_scaledSpread = 0;
    int16_t m_scaledPageNumber = 0;
    bool m_scaleActive = false;
    bool m_tableScaled = false;
    bool m_documentScaling = false;
};

/// The plug-in's one engine state.
EngineState& engineState();

/// Keeps the origin of the moment and puts it back when the scope ends.
class OriginKeeper {
public:
    OriginKeeper() : m_saved(engineState().origin()) {}
    ~OriginKeeper() { engineState().setOrigin(m_saved); }
    OriginKeeper(const OriginKeeper&) = delete;
    OriginKeeper& operator=(const OriginKeeper&) = delete;

private:
    FixedPoint m_saved;
};

/// Sets `TableScaledFlag` for the scope of a table's scale.
class TableScaleScope {
public:
    TableScaleScope() { engineState().setTableScaled(true); }
    ~TableScaleScope() { engineState().setTableScaled(false); }
    TableScaleScope(const TableScaleScope&) = delete;
    TableScaleScope& operator=(const TableScaleScope&) = delete;
};

} // namespace amplex
