// A story: 16-bit characters with character runs, paragraph runs, anchored items and a selection.
// The characters 11, 12 and 13 each end a paragraph.
#pragma once

#include <cassert>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "host/model/text/character_attributes.h"
#include "host/model/text/gap_buffer.h"
#include "host/model/text/paragraph_attributes.h"
#include "host/model/text/run_list.h"

namespace host::model {

/// [start, end) in story offsets.
struct TextRange {
    int32_t start = 0;
    int32_t end = 0;
    bool operator==(const TextRange&) const = default;
    bool empty() const { return start >= end; }
};

class Story;

/// Told once before a story it watches changes in any way (text, attributes, selection, the tables
/// behind its run numbers), so that an undo step can keep the story as it was.
class StoryWatcher {
public:
    virtual void storyWillChange(Story& story) = 0;

protected:
    ~StoryWatcher() = default;
};

class Story {
public:
    explicit Story(int32_t ref, CharacterAttributes characters = {}, ParagraphAttributes paragraph = {});

    int32_t ref() const { return m_ref; }
    int32_t length() const { return static_cast<int32_t>(m_text.size()); }
    /// The whole text in one piece, made again after each change: for reading all of it at once
    /// (saving, drawing); walks over a few characters go through charAt or copyText.
    const std::u16string& text() const;
    /// Throws std::out_of_range outside the story.
    char16_t charAt(int32_t offset) const;
    /// Copies the characters [offset, offset + count), which must lie inside the story, to `out`.
    template <class Out>
    void copyText(int32_t offset, int32_t count, Out out) const
    {
        assert(offset >= 0 && count >= 0 && offset <= length() - count && "copy inside the story");
        m_text.copy(static_cast<size_t>(offset), static_cast<size_t>(count), out);
    }

    /// Inserts characters at `offset` (clamped to the story); they take the character attributes of the
    /// character before them (of the first character at offset 0) and join the paragraph they land in.
    void insert(int32_t offset, std::u16string_view characters);
    /// The same for characters as plug-ins hand them over, taken without an intermediate copy.
    void insert(int32_t offset, std::span<const uint16_t> characters);
    /// Writes `characters` over as many characters from `offset`, each keeping its attributes. Refused
    /// (false, nothing changed) when the range passes the story's end or a paragraph end or an anchor
    /// would be written over by another character, since those carry more than a character.
    bool overwrite(int32_t offset, std::u16string_view characters);
    bool overwrite(int32_t offset, std::span<const uint16_t> characters);
    /// Removes [start, end) (clamped); a paragraph that loses its end joins the next and keeps its own attributes.
    void erase(int32_t start, int32_t end);

    // Selection, always within [0, length] with start <= end.
    TextRange selection() const { return m_selection; }
    void select(int32_t start, int32_t end);
    /// A range clamped to the story, start <= end.
    TextRange clamp(int32_t start, int32_t end) const;

    // Character runs.
    const RunList<CharacterAttributes>& characterRuns() const { return m_characters; }
    /// The attributes text typed at `offset` takes: those set on that insertion point, else the
    /// character's before it (the first character's at 0).
    const CharacterAttributes& characterAttributesAt(int32_t offset) const;
    /// The value of [start, end), kMixedValue when the characters differ; an empty range reads the
    /// attributes of the insertion point.
    xt::Fixed characterValue(TextRange range, xt::CharacterCode code) const;
    /// Sets the value on the characters; on an empty range, on the insertion point for the next text
    /// inserted there (until the selection or the text changes).
    void setCharacterValue(TextRange range, xt::CharacterCode code, xt::Fixed value);
    void setCharacterAttributes(TextRange range, const CharacterAttributes& attributes);

    // Paragraphs and paragraph runs.
    const RunList<ParagraphAttributes>& paragraphRuns() const { return m_paragraphs; }
    /// The paragraph holding `offset`: from the character after the previous paragraph end up to and
    /// including its own end character (or the story's end).
    TextRange paragraphAt(int32_t offset) const;
    /// Every paragraph that [start, end) touches; the paragraph holding start when the range is empty.
    TextRange paragraphsOf(TextRange range) const;
    const ParagraphAttributes& paragraphAttributesAt(int32_t offset) const;
    /// The value of a paragraph code over the paragraphs of the range, kMixedValue when they differ.
    xt::Fixed paragraphValue(TextRange range, int32_t code) const;
    void setParagraphValue(TextRange range, int32_t code, xt::Fixed value);
    void setTabs(TextRange range, const TabStops& tabs);
    void setParagraphAttributes(TextRange range, const ParagraphAttributes& attributes);

    /// A reference for a set of tab stops (0 for none) that tabsOf gives back while the story lives.
    int32_t tabReference(const TabStops& tabs);
    const TabStops* tabsOf(int32_t reference) const;

    /// The number a run list entry carries for a run's attributes; equal attributes, equal numbers.
    int32_t characterStyleId(const CharacterAttributes& attributes);
    int32_t paragraphStyleId(const ParagraphAttributes& attributes);

    // Anchored items: each sits on one kAnchorCharacter of the text.
    /// Inserts an anchor character for `item` at `offset`.
    void insertAnchor(int32_t offset, int32_t item);
    /// Anchors `item` on the anchor character already at `offset` (reading a document); false when
    /// there is none there.
    bool attachAnchor(int32_t offset, int32_t item);
    /// The first anchor at or after `from` and before `end`.
    std::optional<int32_t> nextAnchor(int32_t from, int32_t end) const;
    /// The item anchored at `offset`, 0 when none.
    int32_t anchoredItem(int32_t offset) const;
    const std::map<int32_t, int32_t>& anchors() const { return m_anchors; }

    /// Tells `watcher` before the next change of this story object (null: tell no one). The watch
    /// belongs to the object, not its value: a copy starts unwatched, and a value assigned or swapped
    /// into the object leaves its watch as it was.
    void watchNextChange(StoryWatcher* watcher) { m_watch.watcher = watcher; }

private:
    /// See watchNextChange.
    struct Watch {
        StoryWatcher* watcher = nullptr;
        Watch() = default;
        Watch(const Watch&) {}
        Watch& operator=(const Watch&) { return *this; }
    };

    /// The whole text made on demand. Copies of the story start without it (an undo step's copy of a
    /// long story need not carry the text twice); moves take it along.
    struct WholeText {
        std::u16string text;
        bool current = true;
        WholeText() = default;
        WholeText(const WholeText&) : current(false) {}
        WholeText(WholeText&&) noexcept = default;
        WholeText& operator=(const WholeText&)
        {
            text.clear();
            current = false;
            return *this;
        }
        WholeText& operator=(WholeText&&) noexcept = default;
    };

    /// Every change starts here, so that the watcher sees the story before it.
    void willChange()
    {
        if (StoryWatcher* watcher = std::exchange(m_watch.watcher, nullptr))
            watcher->storyWillChange(*this);
    }
    template <class Unit>
    void insertUnits(int32_t offset, const Unit* characters, size_t count);
    template <class Unit>
    bool overwriteUnits(int32_t offset, const Unit* characters, size_t count);
    void joinParagraphAt(int32_t offset);
    /// Moves the anchors at `from` and after by `by` characters.
    void shiftAnchors(int32_t from, int32_t by);

    int32_t m_ref;
    GapBuffer<char16_t> m_text;
    mutable WholeText m_wholeText;
    RunList<CharacterAttributes> m_characters;
    RunList<ParagraphAttributes> m_paragraphs;
    std::map<int32_t, int32_t> m_anchors;
    TextRange m_selection;
    struct TypingAttributes {
        int32_t offset;
        CharacterAttributes attributes;
    };
    std::optional<TypingAttributes> m_typing;
    std::vector<TabStops> m_tabSets;
    std::vector<CharacterAttributes> m_characterStyles;
    std::vector<ParagraphAttributes> m_paragraphStyles;
    Watch m_watch;
};

/// True when a save would write both stories alike: their text, runs, anchors and selection.
bool savedAlike(const Story& a, const Story& b);

} // namespace host::model
