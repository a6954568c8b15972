// Small steps that every scaler takes: the drop shadow, and putting back the tool and the current
// item that a scaler changes on its way.
#pragma once

#include <cstdint>

#include "amplex/settings/settings.h"
#include "xtapi/box_record.h"

namespace amplex {

/// Scales the item's drop shadow when it has one.
void scaleShadowIfPresent(int32_t item);

/// Keeps where the item lies (`ScaledItemPlace`) for step and repeat.
void keepScaledItemPlace(int32_t item);

/// Moves the origin to the item's own corner ("Upper left of items") or centre ("Center of items"),
/// unless a table's cells are scaling: they keep the table's origin.
void applyItemOrigin(const xt::FixedRect& itemRect);

/// Remembers the host's tool and sets it back at the end of the scope.
class ToolKeeper {
public:
    ToolKeeper();
    ~ToolKeeper();
    ToolKeeper(const ToolKeeper&) = delete;
    ToolKeeper& operator=(const ToolKeeper&) = delete;

private:
    int32_t m_tool;
};

/// Remembers the current item and makes it current again at the end of the scope.
class CurrentItemKeeper {
public:
    CurrentItemKeeper();
    ~CurrentItemKeeper();
    CurrentItemKeeper(const CurrentItemKeeper&) = delete;
    CurrentItemKeeper& operator=(const CurrentItemKeeper&) = delete;

private:
    int32_t m_item = 0;
};

/// The current item, or 0.
int32_t currentItem();

inline bool scalingSelection()
{
    return currentSettings().ScaleWhat == ScaleSelectionOnly;
}

} // namespace amplex

namespace foundation {
class BoxRecordLease;
}

namespace amplex {

struct Factors;

/// Scales the four outsets of a record: top and bottom by the vertical factor, left and right by
/// the horizontal one.
void scaleOutsets(foundation::BoxRecordLease& record, const Factors& factors);

} // namespace amplex
