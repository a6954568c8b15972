// What the Scale dialog, its pages and the commands share outside ScaleSettings while a dialog runs.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace amplex::ui {

using xt::Fixed;

/// A rectangle as the host gives item and page bounds: top, left, bottom, right.
struct Bounds {
    Fixed top = 0;
    Fixed left = 0;
    Fixed bottom = 0;
    Fixed right = 0;
    Fixed width() const { return right - left; }
    Fixed height() const { return bottom - top; }
};

struct Size {
    Fixed width = 0;
    Fixed height = 0;
};

/// Which entries the page's "Fit to" list holds.
enum class FitToEntries : uint8_t { Selection, Paper };

/// The state the pages keep between events; the commands set the inputs before they open the dialog
/// and read the outputs after it returns.
class DialogState {
public:
    // Inputs from the commands.
    const Bounds& selectionBounds() const { return m_selectionBounds; }
    void setSelectionBounds(const Bounds& bounds) { m_selectionBounds = bounds; }
    bool noSelection() const { return m_noSelection; }
    void setNoSelection(bool none) { m_noSelection = none; }
    bool currentIsTextBox() const { return m_currentIsTextBox; }
    void setCurrentIsTextBox(bool textBox) { m_currentIsTextBox = textBox; }

    // Outputs to the commands.
    bool cancelled() const { return m_cancelled; }
    void setCancelled(bool cancelled) { m_cancelled = cancelled; }
    bool fitToOn() const { return m_fitToOn; }
    void setFitToOn(bool on) { m_fitToOn = on; }
    FitToEntries fitToEntries() const { return m_fitToEntries; }
    void setFitToEntries(FitToEntries entries) { m_fitToEntries = entries; }
    /// `PaperSizeFit`: the list holds the paper sizes.
    bool paperSizeFit() const { return m_fitToEntries == FitToEntries::Paper; }
    Fixed pageFrom() const { return m_pageFrom; }
    Fixed pageTo() const { return m_pageTo; }
    Fixed repeatCount() const { return m_repeatCount; }
    void setPageRange(Fixed from, Fixed to) { m_pageFrom = from; m_pageTo = to; }
    /// A repeat count of 0 means one copy.
    void setRepeatCount(Fixed count) { m_repeatCount = count == 0 ? xt::kFixedOne : count; }
    /// Set when the host failed a call that shows or reads the dialog's items (a field it would not
    /// make numeric, a page it would not add, a list it would not read): what the user chose there
    /// cannot be trusted.
    bool hostFailed() const { return m_hostFailed; }
    void setHostFailed(bool failed = true) { m_hostFailed = failed; }
    const Size& fitTarget() const { return m_fitTarget; }
    void setFitTarget(const Size& target) { m_fitTarget = target; }

    // The dialog's own.
    int32_t selectedTab() const { return m_selectedTab; }
    void setSelectedTab(int32_t index) { m_selectedTab = index < 0 ? 0 : index; }
    const Bounds& pageBounds() const { return m_pageBounds; }
    void setPageBounds(const Bounds& bounds) { m_pageBounds = bounds; }
    const Bounds& savedSelectionBounds() const { return m_savedSelectionBounds; }
    void saveSelectionBounds() { m_savedSelectionBounds = m_selectionBounds; }

private:
    Bounds m_selectionBounds{};
    Bounds m_savedSelectionBounds{};
    Bounds m_pageBounds{};
    bool m_noSelection = false;
    bool m_currentIsTextBox = false;
    bool m_cancelled = false;
    bool m_fitToOn = false;
    bool m_hostFailed = false;
    FitToEntries m_fitToEntries = FitToEntries::Selection;
    Fixed m_pageFrom = xt::kFixedOne;
    Fixed m_pageTo = xt::kFixedOne;
    Fixed m_repeatCount = xt::kFixedOne;
    Size m_fitTarget{};
    int32_t m_selectedTab = 0;
};

DialogState& dialogState();

/// The windows of the pages that exist while the dialog is open (0 for a page not created).
struct PageWindows {
    xt::WindowRef dialog = 0;
    xt::WindowRef scale = 0;
    xt::WindowRef options = 0;
    xt::WindowRef textFit = 0;
    xt::WindowRef presets = 0;
};

PageWindows& pageWindows();

} // namespace amplex::ui
