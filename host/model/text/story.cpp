// A story's text edits, selection, paragraphs and anchors; attribute access is in story_attributes.cpp.
#include "host/model/text/story.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>

namespace host::model {

Story::Story(int32_t ref, CharacterAttributes characters, ParagraphAttributes paragraph)
    : m_ref(ref), m_characters(std::move(characters)), m_paragraphs(std::move(paragraph))
{
}

const std::u16string& Story::text() const
{
    if (!m_wholeText.current) {
        m_wholeText.text.resize(m_text.size());
        m_text.copy(0, m_text.size(), m_wholeText.text.data());
        m_wholeText.current = true;
    }
    return m_wholeText.text;
}

char16_t Story::charAt(int32_t offset) const
{
    if (offset < 0 || offset >= length())
        throw std::out_of_range("no character at this offset of the story");
    return m_text[static_cast<size_t>(offset)];
}

void Story::insert(int32_t offset, std::u16string_view characters)
{
    insertUnits(offset, characters.data(), characters.size());
}

void Story::insert(int32_t offset, std::span<const uint16_t> characters)
{
    insertUnits(offset, characters.data(), characters.size());
}

template <class Unit>
void Story::insertUnits(int32_t offset, const Unit* characters, size_t size)
{
    offset = std::clamp(offset, 0, length());
    const auto count = static_cast<int32_t>(size);
    if (count == 0)
        return;
    willChange();
    const CharacterAttributes inserted = characterAttributesAt(offset);
    const ParagraphAttributes paragraph = paragraphAttributesAt(offset);
    m_characters.insert(offset, count, inserted);
    m_paragraphs.insert(offset, count, paragraph);
    m_text.insert(static_cast<size_t>(offset), characters, size);
    m_wholeText.current = false;
    m_typing.reset();

    shiftAnchors(offset, count);

    // The insertion point moves along with the text typed at it.
    auto shift = [&](int32_t at) { return at >= offset ? at + count : at; };
    m_selection = {shift(m_selection.start), shift(m_selection.end)};
}

bool Story::overwrite(int32_t offset, std::u16string_view characters)
{
    return overwriteUnits(offset, characters.data(), characters.size());
}

bool Story::overwrite(int32_t offset, std::span<const uint16_t> characters)
{
    return overwriteUnits(offset, characters.data(), characters.size());
}

namespace {

/// Whether `c` may not be written over by another character, nor written over one: it carries more
/// than a character (a paragraph's end, an anchored item). Whole numbers rather than bools, and no
/// branches, so that the scan below runs on vectors of characters.
constexpr unsigned carriesMore(uint16_t c)
{
    return unsigned(static_cast<uint16_t>(c - 11) < 3) | unsigned(c == xt::kAnchorCharacter);
}
static_assert(carriesMore(11) == 1 && carriesMore(12) == 1 && carriesMore(13) == 1 && carriesMore(xt::kAnchorCharacter) == 1);
static_assert(carriesMore(10) == 0 && carriesMore(14) == 0 && carriesMore(u'a') == 0);

/// Whether writing `now` over `old` would replace a character that carries more, or put one in.
template <class Unit>
bool overwritesMore(const char16_t* old, const Unit* now, size_t count)
{
    // Fixed-size chunks let the compiler turn the inner loop into vector code.
    constexpr size_t kChunk = 64;
    unsigned refused = 0;
    size_t i = 0;
    for (; i + kChunk <= count && refused == 0; i += kChunk) {
        for (size_t j = i; j < i + kChunk; ++j) {
            const auto was = static_cast<uint16_t>(old[j]);
            const auto is = static_cast<uint16_t>(now[j]);
            refused |= unsigned(was != is) & (carriesMore(was) | carriesMore(is));
        }
    }
    for (; i < count; ++i) {
        const auto was = static_cast<uint16_t>(old[i]);
        const auto is = static_cast<uint16_t>(now[i]);
        refused |= unsigned(was != is) & (carriesMore(was) | carriesMore(is));
    }
    return refused != 0;
}

} // namespace

template <class Unit>
bool Story::overwriteUnits(int32_t offset, const Unit* characters, size_t count)
{
    if (offset < 0 || static_cast<size_t>(offset) + count > m_text.size())
        return false;
    const auto at = static_cast<size_t>(offset);
    bool refused = false;
    size_t checked = 0;
    // The story's text lies in at most two blocks around its hole; each is scanned as a plain array.
    m_text.forEachBlock(at, count, [&](const char16_t* old, size_t n) {
        refused = refused || overwritesMore(old, characters + checked, n);
        checked += n;
    });
    if (refused)
        return false;
    if (count == 0)
        return true;
    willChange();
    m_text.write(at, characters, count);
    m_wholeText.current = false;
    return true;
}

void Story::erase(int32_t start, int32_t end)
{
    const TextRange range = clamp(start, end);
    if (range.empty())
        return;
    const int32_t count = range.end - range.start;
    willChange();
    m_text.erase(static_cast<size_t>(range.start), static_cast<size_t>(range.end));
    m_wholeText.current = false;
    m_characters.erase(range.start, range.end);
    m_paragraphs.erase(range.start, range.end);
    joinParagraphAt(range.start);
    m_typing.reset();

    m_anchors.erase(m_anchors.lower_bound(range.start), m_anchors.lower_bound(range.end));
    shiftAnchors(range.end, -count);

    auto shift = [&](int32_t at) {
        if (at >= range.end)
            return at - count;
        return std::min(at, range.start);
    };
    m_selection = {shift(m_selection.start), shift(m_selection.end)};
}

void Story::shiftAnchors(int32_t from, int32_t by)
{
    // Only the anchors from `from` on move, so an edit after the last anchor touches none.
    std::vector<decltype(m_anchors)::node_type> moved;
    for (auto at = m_anchors.lower_bound(from); at != m_anchors.end();)
        moved.push_back(m_anchors.extract(at++));
    for (auto& node : moved) {
        node.key() += by;
        m_anchors.insert(std::move(node));
    }
}

void Story::joinParagraphAt(int32_t offset)
{
    const TextRange paragraph = paragraphAt(offset);
    if (paragraph.empty())
        return;
    const ParagraphAttributes kept = m_paragraphs.valueAt(paragraph.start);
    m_paragraphs.assign(paragraph.start, paragraph.end, kept);
}

void Story::select(int32_t start, int32_t end)
{
    const TextRange selection = clamp(start, end);
    if (selection == m_selection && !m_typing)
        return;
    willChange();
    if (m_typing && !(selection.empty() && selection.start == m_typing->offset))
        m_typing.reset();
    m_selection = selection;
}

TextRange Story::clamp(int32_t start, int32_t end) const
{
    start = std::clamp(start, 0, length());
    end = std::clamp(end, 0, length());
    if (start > end)
        std::swap(start, end);
    return {start, end};
}

TextRange Story::paragraphAt(int32_t offset) const
{
    offset = std::clamp(offset, 0, length());
    int32_t start = offset;
    while (start > 0 && !xt::isParagraphEnd(m_text[static_cast<size_t>(start - 1)]))
        --start;
    int32_t end = offset;
    while (end < length() && !xt::isParagraphEnd(m_text[static_cast<size_t>(end)]))
        ++end;
    if (end < length())
        ++end;
    return {start, end};
}

TextRange Story::paragraphsOf(TextRange range) const
{
    range = clamp(range.start, range.end);
    // An insertion point after a final paragraph end belongs to the last paragraph's run.
    if (range.empty())
        return paragraphAt(range.start == length() && length() > 0 ? range.start - 1 : range.start);
    return {paragraphAt(range.start).start, paragraphAt(range.end - 1).end};
}

void Story::insertAnchor(int32_t offset, int32_t item)
{
    offset = std::clamp(offset, 0, length());
    const auto anchor = static_cast<char16_t>(xt::kAnchorCharacter);
    insert(offset, std::u16string_view(&anchor, 1));
    m_anchors[offset] = item;
}

bool Story::attachAnchor(int32_t offset, int32_t item)
{
    if (offset < 0 || offset >= length() || charAt(offset) != xt::kAnchorCharacter || item == 0)
        return false;
    willChange();
    m_anchors[offset] = item;
    return true;
}

std::optional<int32_t> Story::nextAnchor(int32_t from, int32_t end) const
{
    auto found = m_anchors.lower_bound(std::max(from, 0));
    if (found == m_anchors.end() || found->first >= end)
        return std::nullopt;
    return found->first;
}

int32_t Story::anchoredItem(int32_t offset) const
{
    auto found = m_anchors.find(offset);
    return found == m_anchors.end() ? 0 : found->second;
}

namespace {

template <class Runs>
bool sameRuns(const Runs& a, const Runs& b)
{
    if (a.runCount() != b.runCount())
        return false;
    for (size_t i = 0; i < a.runCount(); ++i) {
        if (a.startOfRun(i) != b.startOfRun(i) || !(a.valueOfRun(i) == b.valueOfRun(i)))
            return false;
    }
    return true;
}

} // namespace

bool savedAlike(const Story& a, const Story& b)
{
    return a.length() == b.length() && a.selection() == b.selection() && a.anchors() == b.anchors()
        && a.text() == b.text() && sameRuns(a.characterRuns(), b.characterRuns())
        && sameRuns(a.paragraphRuns(), b.paragraphRuns());
}

} // namespace host::model
