// Taking markers out of the selected paragraphs again.
#include "dotwise/engine/list_run.h"
#include "dotwise/engine/markers.h"
#include "foundation/binding/binding.h"

namespace dotwise {
namespace {

/// Where a marker would start: past the control characters at the paragraph's start, but at a tab.
size_t markerStart(const std::u16string& text)
{
    size_t at = 0;
    while (at < text.size() && text[at] < 32 && text[at] != kTabCharacter)
        ++at;
    return at;
}

} // namespace

void ListRun::removeCharacters(ListParagraph& paragraph, int32_t at, int32_t count)
{
    uint8_t changed = 0;
    const int32_t from = paragraph.start + at;
    if (!m_failures.check(xt::calls::DeleteTextRange(m_story, from, from + count, 0, 1, &changed)))
        return;
    xt::calls::StoryMode1375(1);
    paragraph.text.erase(static_cast<size_t>(at), static_cast<size_t>(count));
    m_shift -= count;
    m_rangeEnd -= count;
}

void ListRun::removeMarkers()
{
    for (size_t i = 0; i < m_paragraphs.size(); ++i) {
        ListParagraph& paragraph = walkTo(i);
        const size_t at = markerStart(paragraph.text);
        const int32_t length = markerLength(std::u16string_view(paragraph.text).substr(at), m_settings.bulletChar);
        if (length > 0)
            removeCharacters(paragraph, static_cast<int32_t>(at), length);
    }
}

} // namespace dotwise
