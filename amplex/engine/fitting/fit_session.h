// What the fitting commands share: the start (document, page count, undo) and the end that every
// path goes through (undo step closed, cursor back, selection restored, added pages removed).
#pragma once

#include <cstdint>
#include <optional>

#include "xtapi/types.h"

namespace amplex {

/// The box's text geometry as the fitters read it from its record.
struct FitBoxFacts {
    uint8_t shape = 0;
    bool runsOn = false;      // its text runs on into another box
    bool chained = false;     // it has a box before it in a chain, or runs on
    int32_t columns = 1;
    xt::Fixed columnWidth = 0; // 0 when the box has one column or no width
};

/// The facts of a text box, read from a fresh record; empty when the host has no record of it.
std::optional<FitBoxFacts> readFitBoxFacts(int32_t box);

/// Story offsets [start, end) with their story.
struct FitSelection {
    int32_t story = 0;
    int32_t start = 0;
    int32_t end = 0;
};

/// One fitting command from its start to its end. The start records the box for undo and opens
/// the host's undo step; the end, however the command stops, closes it.
class FitSession {
public:
    /// Starts the command on `box`; empty when the companion service keeps the document and box.
    static std::optional<FitSession> begin(int32_t box);

    ~FitSession();
    FitSession(FitSession&& other) noexcept;
    FitSession(const FitSession&) = delete;
    FitSession& operator=(const FitSession&) = delete;
    FitSession& operator=(FitSession&&) = delete;

    /// The selection the end selects again.
    void restoreSelectionAtEnd(const FitSelection& selection) { m_restore = selection; }
    /// Pages that the text flow added during the command are removed at the end.
    void removeAddedPagesAtEnd() { m_removeAddedPages = true; }

private:
    FitSession(int32_t box, xt::DocumentRef document, int16_t pagesBefore);
    void removeAddedPages() const;

    int32_t m_box = 0;
    xt::DocumentRef m_document = 0;
    int16_t m_pagesBefore = 0;
    std::optional<FitSelection> m_restore;
    bool m_removeAddedPages = false;
    bool m_open = false;
};

/// The text of `box` as the command sees it; the story, the user's selection and the length.
struct BoxText {
    int32_t story = 0;
    int32_t selStart = 0;
    int32_t selEnd = 0;
    int32_t length = 0;
};

/// Makes `box` current and reads its text.
BoxText currentBoxText(int32_t box);

} // namespace amplex
