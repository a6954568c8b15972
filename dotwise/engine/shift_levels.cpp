// Moving paragraphs between list levels: indents or the level's paragraph style sheet, and the marker's
// tab stops.
#include <cstring>
#include <map>
#include <string>

#include "dotwise/engine/list_run.h"
#include "dotwise/engine/style_lookup.h"
#include "foundation/binding/binding.h"
#include "xtapi/text_records.h"

namespace dotwise {
namespace {

constexpr int16_t kRightAligned = 2;
constexpr int16_t kLeftAligned = 0;
constexpr uint16_t kSpaceFill = 32;

xt::TabEntry tabAt(int16_t alignment, xt::Fixed position)
{
    xt::TabEntry entry{};
    entry.alignment = alignment;
    entry.fill[0] = kSpaceFill;
    entry.position = position;
    return entry;
}

} // namespace

bool ListRun::readLeftIndent(int32_t position, xt::Fixed& left)
{
    return m_failures.check(xt::calls::GetTextRunAttribute(m_story, position, position, xt::kParaLeftIndent, nullptr, &left));
}

void ListRun::setIndents(int32_t position, const ShiftedIndents& shifted)
{
    const int16_t style = m_settings.levelStyleId[shifted.level];
    if (style == kNoStyle) {
        m_failures.check(xt::calls::SetTextRunAttribute(m_story, position, position, xt::kParaLeftIndent, shifted.left, 0));
        m_failures.check(xt::calls::SetTextRunAttribute(m_story, position, position, xt::kParaRightIndent, shifted.right, 0));
        return;
    }
    // A style sheet that is gone leaves the paragraph's indents as they are.
    const int32_t index = FindParagraphStyleSheet(m_settings.levelStyleName[shifted.level]);
    if (index < 0)
        return;
    if (m_failures.check(xt::calls::SetTextSelection(m_story, position, position, 0)))
        m_failures.check(xt::calls::ApplyParagraphStyleSheet(index, 1, 1, m_story));
}

/// A right-aligned stop for the marker and a left stop for the text after it.
void ListRun::setTabStops(int32_t position, xt::Fixed indent)
{
    const xt::Fixed markerStop = indent + m_settings.leadAmount;
    const xt::TabEntry entries[2] = {tabAt(kRightAligned, markerStop), tabAt(kLeftAligned, markerStop + m_settings.gapAmount)};
    xt::Handle stops = xt::calls::AllocateHandle1869(sizeof entries);
    if (!m_failures.present(stops))
        return;
    std::memcpy(*stops, entries, sizeof entries);
    m_failures.check(xt::calls::SetTextRunAttribute(m_story, position, position, xt::kParaTabs, reinterpret_cast<intptr_t>(stops), 0));
    // The host keeps a copy of the stops.
    xt::calls::DisposeHandle(stops);
}

void ListRun::shiftLevels(ShiftMode mode)
{
    xt::calls::SetCursorKind(-1);
    for (const ListParagraph& paragraph : m_paragraphs) {
        // Each paragraph is changed at its own start, where an empty one holds its break.
        const int32_t at = paragraph.start;
        xt::Fixed left = 0;
        xt::Fixed right = 0;
        if (!readLeftIndent(at, left) ||
            !m_failures.check(xt::calls::GetTextRunAttribute(m_story, at, at, xt::kParaRightIndent, nullptr, &right)))
            continue;
        if (m_settings.autoIndent || mode != ShiftForMarker) {
            const ShiftedIndents shifted = shiftIndents(m_settings, mode, left, right);
            setIndents(at, shifted);
            left = shifted.left;
        }
        if (m_settings.gapKind == GapTab)
            setTabStops(at, left);
        xt::calls::StoryMode1375(1);
    }
    xt::calls::SetCursorKind(0);
}

} // namespace dotwise
