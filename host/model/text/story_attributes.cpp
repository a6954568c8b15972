// A story's character and paragraph attributes over ranges, tab references and run style numbers.
#include "host/model/text/story.h"

#include <algorithm>

namespace host::model {
namespace {

/// The one value `read` gives over the runs of [start, end) of `runs`, or kMixedValue.
template <class Value, class Read>
xt::Fixed commonValue(const RunList<Value>& runs, TextRange range, Read read)
{
    size_t index = runs.runAt(range.start);
    const xt::Fixed first = read(runs.valueOfRun(index));
    for (++index; index < runs.runCount() && runs.startOfRun(index) < range.end; ++index) {
        if (read(runs.valueOfRun(index)) != first)
            return xt::kMixedValue;
    }
    return first;
}

/// The number of `value` in `table`, adding it (after calling `beforeAdding`) when it is new.
template <class Value, class BeforeAdding>
int32_t internedId(std::vector<Value>& table, const Value& value, BeforeAdding beforeAdding)
{
    auto found = std::find(table.begin(), table.end(), value);
    if (found == table.end()) {
        beforeAdding();
        found = table.insert(table.end(), value);
    }
    return static_cast<int32_t>(found - table.begin()) + 1;
}

} // namespace

const CharacterAttributes& Story::characterAttributesAt(int32_t offset) const
{
    offset = std::clamp(offset, 0, length());
    if (m_typing && m_typing->offset == offset)
        return m_typing->attributes;
    return m_characters.valueAt(offset > 0 ? offset - 1 : 0);
}

xt::Fixed Story::characterValue(TextRange range, xt::CharacterCode code) const
{
    range = clamp(range.start, range.end);
    if (range.empty())
        return model::characterValue(characterAttributesAt(range.start), code);
    return commonValue(m_characters, range, [&](const CharacterAttributes& a) { return model::characterValue(a, code); });
}

void Story::setCharacterValue(TextRange range, xt::CharacterCode code, xt::Fixed value)
{
    range = clamp(range.start, range.end);
    willChange();
    if (range.empty()) {
        CharacterAttributes typing = characterAttributesAt(range.start);
        model::setCharacterValue(typing, code, value);
        m_typing = TypingAttributes{range.start, typing};
        return;
    }
    m_characters.apply(range.start, range.end, [&](CharacterAttributes& a) { model::setCharacterValue(a, code, value); });
}

void Story::setCharacterAttributes(TextRange range, const CharacterAttributes& attributes)
{
    range = clamp(range.start, range.end);
    willChange();
    if (length() == 0)
        m_characters.setEmptyValue(attributes);
    m_characters.assign(range.start, range.end, attributes);
}

const ParagraphAttributes& Story::paragraphAttributesAt(int32_t offset) const
{
    return m_paragraphs.valueAt(std::clamp(offset, 0, length()));
}

xt::Fixed Story::paragraphValue(TextRange range, int32_t code) const
{
    const TextRange paragraphs = paragraphsOf(range);
    if (paragraphs.empty())
        return model::paragraphValue(paragraphAttributesAt(paragraphs.start), code);
    return commonValue(m_paragraphs, paragraphs, [&](const ParagraphAttributes& a) { return model::paragraphValue(a, code); });
}

void Story::setParagraphValue(TextRange range, int32_t code, xt::Fixed value)
{
    const TextRange paragraphs = paragraphsOf(range);
    willChange();
    if (paragraphs.empty()) {
        // An empty story keeps the attributes its first text will take.
        ParagraphAttributes attributes = m_paragraphs.emptyValue();
        model::setParagraphValue(attributes, code, value);
        m_paragraphs.setEmptyValue(attributes);
        return;
    }
    m_paragraphs.apply(paragraphs.start, paragraphs.end, [&](ParagraphAttributes& a) { model::setParagraphValue(a, code, value); });
}

void Story::setTabs(TextRange range, const TabStops& tabs)
{
    const TextRange paragraphs = paragraphsOf(range);
    willChange();
    if (paragraphs.empty()) {
        ParagraphAttributes attributes = m_paragraphs.emptyValue();
        attributes.tabs = tabs;
        m_paragraphs.setEmptyValue(attributes);
        return;
    }
    m_paragraphs.apply(paragraphs.start, paragraphs.end, [&](ParagraphAttributes& a) { a.tabs = tabs; });
}

void Story::setParagraphAttributes(TextRange range, const ParagraphAttributes& attributes)
{
    const TextRange paragraphs = paragraphsOf(range);
    willChange();
    if (length() == 0)
        m_paragraphs.setEmptyValue(attributes);
    m_paragraphs.assign(paragraphs.start, paragraphs.end, attributes);
}

int32_t Story::tabReference(const TabStops& tabs)
{
    return tabs.empty() ? 0 : internedId(m_tabSets, tabs, [this] { willChange(); });
}

const TabStops* Story::tabsOf(int32_t reference) const
{
    if (reference < 1 || reference > static_cast<int32_t>(m_tabSets.size()))
        return nullptr;
    return &m_tabSets[static_cast<size_t>(reference - 1)];
}

int32_t Story::characterStyleId(const CharacterAttributes& attributes)
{
    return internedId(m_characterStyles, attributes, [this] { willChange(); });
}

int32_t Story::paragraphStyleId(const ParagraphAttributes& attributes)
{
    return internedId(m_paragraphStyles, attributes, [this] { willChange(); });
}

} // namespace host::model
