// The run state of Amplex's scale commands that the engines do not read: what the current command
// measured for the dialog and the palette. What the engines read lies in DocumentRun.
#pragma once

#include <cstdint>
#include <optional>

#include "amplex/settings/settings.h"
#include "xtapi/box_record.h"
#include "xtapi/types.h"

namespace amplex {

/// The modifier keys a palette click was made with; size mode reads them.
enum class ClickModifier : uint8_t { None, Alt, Ctrl };

class CommandState {
public:
    /// `ScaledExtent`: the selection's width and height scaled by the factors.
    xt::FixedPoint scaledExtent() const { return m_scaledExtent; }
    void setScaledExtent(xt::FixedPoint extent) { m_scaledExtent = extent; }

    /// `ScalePageRange` as the dialog keeps it while it is open: page numbers as Fixed.
    xt::Fixed dialogFirstPage() const { return m_dialogPages[0]; }
    xt::Fixed dialogLastPage() const { return m_dialogPages[1]; }
    void setDialogPages(xt::Fixed first, xt::Fixed last);

    bool currentIsTextBox() const { return m_currentIsTextBox; }
    bool currentIsPictureBox() const { return m_currentIsPictureBox; }
    void setCurrentBoxKinds(bool text, bool picture);

    bool noSelection() const { return m_noSelection; }
    void setNoSelection(bool none) { m_noSelection = none; }

    /// `DialogOpen`: the main dialog runs; no second one opens meanwhile.
    bool dialogOpen() const { return m_dialogOpen; }
    void setDialogOpen(bool open) { m_dialogOpen = open; }

    ClickModifier clickModifier() const { return m_clickModifier; }
    void setClickModifier(ClickModifier modifier) { m_clickModifier = modifier; }

private:
    xt::FixedPoint m_scaledExtent{};
    xt::Fixed m_dialogPages[2] = {xt::kFixedOne, xt::kFixedOne};
    bool m_currentIsTextBox = false;
    bool m_currentIsPictureBox = false;
    bool m_noSelection = false;
    bool m_dialogOpen = false;
    ClickModifier m_clickModifier = ClickModifier::None;
};

/// The plug-in's one command state.
CommandState& commandState();

} // namespace amplex
