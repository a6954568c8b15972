// One list action on the paragraphs the text selection touches: the range, its paragraphs and the steps
// that change them (levels, markers in, markers out). Changes the story only through host text calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dotwise/engine/host_failures.h"
#include "dotwise/engine/levels.h"
#include "dotwise/settings/list_settings.h"

namespace dotwise {

/// A paragraph of the range: where it starts in the story and its characters without its break.
struct ListParagraph {
    int32_t start = 0;
    std::u16string text;
};

class ListRun {
public:
    ListRun(int32_t story, const ListSettings& settings) : m_story(story), m_settings(settings) {}

    /// Reads the story and finds the paragraphs from the one holding the selection's start to the one
    /// holding its end (a caret: the paragraph holding it). False when the story cannot be read.
    bool findSelectedParagraphs(int32_t selectionStart, int32_t selectionEnd, int32_t storyLength);

    /// Gives each paragraph the indents (or the style override) of its new level, and the marker's tab
    /// stops when the gap is a tab.
    void shiftLevels(ShiftMode mode);
    /// True when a paragraph of the range holds the bullet character anywhere.
    bool hasBulletInRange() const;
    void insertBullets();
    void insertNumbers();
    /// Removes markers Dotwise could have written; any other text stays.
    void removeMarkers();
    /// Selects the range and has the layout redrawn; then tells the user of any failed change.
    void finish();

    int32_t rangeStart() const { return m_rangeStart; }
    int32_t rangeEnd() const { return m_rangeEnd; }
    const std::vector<ListParagraph>& paragraphs() const { return m_paragraphs; }

private:
    /// Inserts `marker` at offset `at` of the walk's current paragraph.
    bool insertMarker(ListParagraph& paragraph, int32_t at, const std::u16string& marker);
    void removeCharacters(ListParagraph& paragraph, int32_t at, int32_t count);
    /// Paragraph `index` of a walk from the first to the last, moved by what the walk inserted or removed
    /// before it; characters it gains or loses move the later ones and the range's end.
    ListParagraph& walkTo(size_t index);
    void setIndents(int32_t position, const ShiftedIndents& shifted);
    void setTabStops(int32_t position, xt::Fixed indent);
    void prepareBulletAttributes(int32_t position);
    bool readLeftIndent(int32_t position, xt::Fixed& left);

    int32_t m_story;
    const ListSettings& m_settings;
    int32_t m_rangeStart = 0;
    int32_t m_rangeEnd = 0;
    int32_t m_shift = 0;
    std::vector<ListParagraph> m_paragraphs;
    HostFailures m_failures;
};

enum ListAction : int16_t {
    ActionBullets = 1,
    ActionNumbers = 2,
    ActionLevelOut = 3,
    ActionLevelIn = 4,
    ActionRemoveMarkers = 5,
    ActionRemoveMarkersAndIndent = 6,
    ActionZeroIndents = 7,
};

/// Runs one action of the palette on the current text box's selected paragraphs. Nothing happens,
/// silently, without a document, a current text box and the content tool.
void RunListAction(int16_t action);

} // namespace dotwise
