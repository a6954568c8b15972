// One table of Amplex's probe: the scaling engine and its state as bound inside the loaded module, so
// that engine tests and the benchmark reach the host exactly as the plug-in does.
#pragma once

#include <cstdint>

#include "amplex/settings/settings.h"
#include "amplex/undo/undo_entry.h"
#include "xtapi/box_record.h"

namespace amplex::probe {

inline constexpr char kEngineProbeSymbol[] = "XTAmplexEngineProbe";

struct EngineProbeApi {
    ScaleSettings* (*currentSettings)();

    void (*scaleSelection)();
    void (*scaleSingleItem)(int32_t item);

    xt::FixedPoint (*origin)();
    void (*setOrigin)(xt::FixedPoint origin);
    /// Measures the current selection as the scale command does before it scales.
    void (*measureSelection)();
    void (*setCurrentScalePage)(int16_t pageKey);
    /// The key of the page the item lies on, as the page test compares it.
    int16_t (*pageKeyOf)(int32_t item);
    void (*setDocumentScalingActive)(bool on);
    bool (*scaleActive)();

    void (*clearUndo)();
    int32_t (*undoEntryCount)();
    /// Copies entry `index` (from 0) of the undo list; false past its end.
    bool (*undoEntry)(int32_t index, UndoEntry* entry);
    /// Copies up to `capacity` group references; returns how many the list holds.
    int32_t (*ungroupedGroups)(int32_t* groups, int32_t capacity);
    int32_t (*regroupedGroups)(int32_t* groups, int32_t capacity);

    /// The current item's record read and applied unchanged: the host's bare round trip.
    void (*recordRoundTrip)();
    /// Makes every item of the current page current together, by the host's own command.
    void (*selectAllOnPage)();
};

} // namespace amplex::probe
