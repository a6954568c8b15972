// One table of Amplex's probe: the scale commands and the run state they leave, as bound inside the
// loaded module, so that tests drive them as the palette would.
#pragma once

#include <cstdint>

#include "amplex/settings/settings.h"
#include "xtapi/box_record.h"

namespace amplex::probe {

inline constexpr char kCommandsProbeSymbol[] = "XTAmplexCommandsProbe";

struct CommandsProbeApi {
    ScaleSettings* (*currentSettings)();

    void (*scaleWithSettings)();
    void (*fitBoxToPictureCommand)();
    void (*textFitCommand)();

    /// The dialog's "Fit to:" box and whether its list holds the paper sizes.
    void (*setFitTo)(bool on, bool paperSize);
    /// 0 no key, 1 Alt, 2 Ctrl held with the palette click.
    void (*setClickModifier)(int32_t modifier);
    /// The page range as the dialog keeps it (page numbers).
    void (*setDialogPages)(int32_t first, int32_t last);

    int32_t (*undoEntryCount)();
    bool (*noSelection)();
    bool (*currentIsTextBox)();
    xt::FixedRect (*selectionBounds)();
    xt::FixedPoint (*fitOffset)();
    xt::FixedPoint (*scaledExtent)();
    uint16_t (*amplexItem)();
    uint16_t (*paletteItem)();
    bool (*paletteShown)();
};

} // namespace amplex::probe
