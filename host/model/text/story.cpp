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
    if (!m_wholeTextCurrent) {
        m_wholeText.resize(m_text.size());
        m_text.copy(0, m_text.size(), m_wholeText.begin());
        m_wholeTextCurrent = true;
    }
    return m_wholeText;
}

char16_t Story::charAt(int32_t offset) const
{
    if (offset < 0 || offset >= length())
        throw std::out_of_range("no character at this offset of the story");
    return m_text[static_cast<size_t>(offset)];
}

void Story::insert(int32_t offset, std::u16string_view characters)
{
    offset = std::clamp(offset, 0, length());
    const auto count = static_cast<int32_t>(characters.size());
    if (count == 0)
        return;
    const CharacterAttributes inserted = characterAttributesAt(offset);
    const ParagraphAttributes paragraph = paragraphAttributesAt(offset);
    m_characters.insert(offset, count, inserted);
    m_paragraphs.insert(offset, count, paragraph);
    m_text.insert(static_cast<size_t>(offset), characters.data(), characters.size());
    m_wholeTextCurrent = false;
    m_typing.reset();

    shiftAnchors(offset, count);

    // The insertion point moves along with the text typed at it.
    auto shift = [&](int32_t at) { return at >= offset ? at + count : at; };
    m_selection = {shift(m_selection.start), shift(m_selection.end)};
}

bool Story::overwrite(int32_t offset, std::u16string_view characters)
{
    if (offset < 0 || static_cast<size_t>(offset) + characters.size() > m_text.size())
        return false;
    const auto at = static_cast<size_t>(offset);
    for (size_t i = 0; i < characters.size(); ++i) {
        const char16_t old = m_text[at + i];
        const char16_t now = characters[i];
        if (old != now && (xt::isParagraphEnd(old) || xt::isParagraphEnd(now) || old == xt::kAnchorCharacter || now == xt::kAnchorCharacter))
            return false;
    }
    m_text.write(at, characters.data(), characters.size());
    m_wholeTextCurrent = false;
    return true;
}

void Story::erase(int32_t start, int32_t end)
{
    const TextRange range = clamp(start, end);
    if (range.empty())
        return;
    const int32_t count = range.end - range.start;
    m_text.erase(static_cast<size_t>(range.start), static_cast<size_t>(range.end));
    m_wholeTextCurrent = false;
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
    insert(offset, std::u16string(1, static_cast<char16_t>(xt::kAnchorCharacter)));
    m_anchors[offset] = item;
}

bool Story::attachAnchor(int32_t offset, int32_t item)
{
    if (offset < 0 || offset >= length() || charAt(offset) != xt::kAnchorCharacter || item == 0)
        return false;
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

} // namespace host::model
