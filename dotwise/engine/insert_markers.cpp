// Putting bullets and numbers at the start of each selected paragraph.
#include <array>
#include <cstring>

#include "dotwise/engine/list_run.h"
#include "dotwise/engine/markers.h"
#include "dotwise/engine/style_lookup.h"
#include "foundation/binding/binding.h"
#include "xtapi/text_records.h"

namespace dotwise {
namespace {

constexpr int32_t kBoldValueCode = -102;
constexpr int32_t kFontValueCode = -101;
constexpr xt::Fixed kBold = 1;

/// Where a marker goes: the first printable character of the paragraph; none in a paragraph of
/// control characters only (an empty one among them), which gets no marker.
int32_t insertionOffset(const std::u16string& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= 32)
            return static_cast<int32_t>(i);
    }
    return -1;
}

} // namespace

bool ListRun::insertMarker(ListParagraph& paragraph, int32_t at, const std::u16string& marker)
{
    const auto count = static_cast<int32_t>(marker.size());
    const std::vector<uint16_t> characters(marker.begin(), marker.end());
    if (!m_failures.check(xt::calls::InsertTextChars(m_story, paragraph.start + at, count, characters.data(), 0)))
        return false;
    xt::calls::StoryMode1375(1);
    paragraph.text.insert(static_cast<size_t>(at), marker);
    m_shift += count;
    m_rangeEnd += count;
    return true;
}

void ListRun::prepareBulletAttributes(int32_t position)
{
    if (m_settings.bulletStyleId != kNoStyle) {
        // A style sheet that is gone gives the bullet neither the sheet nor bold or the bullet font.
        const int32_t sheet = FindCharacterStyleSheet(m_settings.bulletStyleName);
        if (sheet >= 0 && m_failures.check(xt::calls::SetTextSelection(m_story, position, position, 0)))
            m_failures.check(xt::calls::ApplyCharacterStyleSheet(sheet, 1, m_story));
        return;
    }
    if (m_settings.boldMarkers && m_failures.check(xt::calls::SetTextSelection(m_story, position, position, 0)))
        m_failures.check(xt::calls::SetStoryValue3094(m_story, kBoldValueCode, kBold));
    if (std::strncmp(m_settings.bulletFont, kSameFont, kNameSize) == 0)
        return;
    // An unknown font gives 0: the bullet keeps the text's font.
    const int16_t font = FontIdFromName(m_settings.bulletFont);
    if (font > 0 && m_failures.check(xt::calls::SetTextSelection(m_story, position, position, 0)))
        m_failures.check(xt::calls::SetStoryValue3094(m_story, kFontValueCode, font));
}

bool ListRun::hasBulletInRange() const
{
    for (const ListParagraph& paragraph : m_paragraphs) {
        if (paragraph.text.find(static_cast<char16_t>(m_settings.bulletChar)) != std::u16string::npos)
            return true;
    }
    return false;
}

void ListRun::insertBullets()
{
    const std::u16string marker = bulletMarker(m_settings);
    for (size_t i = 0; i < m_paragraphs.size(); ++i) {
        ListParagraph& paragraph = walkTo(i);
        const int32_t at = insertionOffset(paragraph.text);
        if (at < 0)
            continue;
        prepareBulletAttributes(paragraph.start + at);
        insertMarker(paragraph, at, marker);
    }
    xt::calls::StoryOp1376(m_story, 0);
}

void ListRun::insertNumbers()
{
    std::array<int32_t, kLevelCount> counters{};
    counters.fill(1);
    int16_t previous = 0;
    bool first = true;
    for (size_t i = 0; i < m_paragraphs.size(); ++i) {
        ListParagraph& paragraph = walkTo(i);
        const int32_t at = insertionOffset(paragraph.text);
        if (at < 0)
            continue;
        const int32_t position = paragraph.start + at;
        xt::Fixed left = 0;
        if (!readLeftIndent(position, left))
            continue;
        // A deeper level starts again at 1; a shallower one goes on with its count.
        const int16_t level = LevelForIndent(m_settings, left);
        if (!first && level > previous)
            counters[static_cast<size_t>(level)] = 1;
        const std::u16string marker = numberMarker(m_settings, m_settings.numberType[level], counters[static_cast<size_t>(level)]);
        if (m_settings.boldMarkers && m_failures.check(xt::calls::SetTextSelection(m_story, position, position, 0)))
            m_failures.check(xt::calls::SetStoryValue3094(m_story, kBoldValueCode, kBold));
        if (!insertMarker(paragraph, at, marker))
            continue;
        ++counters[static_cast<size_t>(level)];
        previous = level;
        first = false;
    }
    xt::calls::StoryOp1376(m_story, 0);
}

} // namespace dotwise
