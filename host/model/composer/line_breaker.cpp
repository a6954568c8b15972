// Greedy line breaking: a line ends after the last space or hyphen that fits; a word wider than the
// line is cut; spaces at the end of a line hang past its edge.
#include "host/model/composer/line_breaker.h"

#include <algorithm>
#include <limits>

#include "host/model/composer/font_metrics.h"

namespace host::model {
namespace {

constexpr char16_t kTab = 9;
constexpr char16_t kSpace = 32;
constexpr char16_t kHyphen = 45;
// Without tab stops, a tab goes to the next multiple of half an inch.
constexpr xt::Fixed kDefaultTabInterval = 36 * xt::kFixedOne;

xt::Fixed scaled(xt::Fixed value, int64_t thousandths)
{
    return static_cast<xt::Fixed>(static_cast<int64_t>(value) * thousandths / 1000);
}

xt::Fixed tabAdvance(const TabStops& tabs, xt::Fixed at)
{
    xt::Fixed next = std::numeric_limits<xt::Fixed>::max();
    for (const TabStop& stop : tabs) {
        if (stop.position > at)
            next = std::min(next, stop.position);
    }
    if (next == std::numeric_limits<xt::Fixed>::max())
        next = (at / kDefaultTabInterval + 1) * kDefaultTabInterval;
    return next - at;
}

xt::Fixed advanceAt(const Story& story, int32_t offset, xt::Fixed at)
{
    const char16_t c = story.charAt(offset);
    if (c == kTab)
        return tabAdvance(story.paragraphAttributesAt(offset).tabs, at);
    return characterAdvance(c, story.characterRuns().valueAt(offset));
}

bool isBreakAfter(char16_t c)
{
    return c == kSpace || c == kHyphen;
}

/// Ascent, descent and leading of the characters [start, end), or of the insertion point there.
void setHeights(const Story& story, int32_t start, int32_t end, LineBreak& line)
{
    auto take = [&](const CharacterAttributes& a) {
        const FontMetrics& metrics = fontMetrics(a.font);
        const auto glyph = static_cast<xt::Fixed>(static_cast<int64_t>(a.size) * a.verticalScale / xt::kFixedOne);
        line.ascent = std::max(line.ascent, scaled(glyph, metrics.ascent));
        line.descent = std::max(line.descent, scaled(glyph, metrics.descent));
        line.height = std::max(line.height, a.leading != 0 ? a.leading : scaled(a.size, 1200));
    };
    if (start == end)
        take(story.characterAttributesAt(start));
    for (int32_t i = start; i < end; ++i)
        take(story.characterRuns().valueAt(i));
    const xt::Fixed paragraphLeading = story.paragraphAttributesAt(std::max(start, 0)).leading;
    if (paragraphLeading != 0)
        line.height = paragraphLeading;
}

int32_t withoutTrailingSpaces(const Story& story, int32_t start, int32_t end)
{
    while (end > start && (story.charAt(end - 1) == kSpace || xt::isParagraphEnd(story.charAt(end - 1))))
        --end;
    return end;
}

} // namespace

xt::Fixed characterAdvance(char16_t c, const CharacterAttributes& attributes)
{
    const int32_t width = characterWidth(fontMetrics(attributes.font), c);
    if (width == 0)
        return 0;
    const int64_t glyph = static_cast<int64_t>(attributes.size) * attributes.horizontalScale / xt::kFixedOne;
    const int64_t tracking = static_cast<int64_t>(attributes.tracking) * attributes.size / (200 * int64_t{xt::kFixedOne});
    return static_cast<xt::Fixed>(glyph * width / 1000 + tracking);
}

xt::Fixed measure(const Story& story, int32_t start, int32_t end, xt::Fixed tabOrigin)
{
    xt::Fixed x = 0;
    for (int32_t i = start; i < end; ++i)
        x += advanceAt(story, i, tabOrigin + x);
    return x;
}

LineBreak breakLine(const Story& story, int32_t start, int32_t paragraphEnd, xt::Fixed width, xt::Fixed tabOrigin)
{
    LineBreak line;
    line.end = paragraphEnd;
    int32_t lastBreak = start;
    xt::Fixed x = 0;
    for (int32_t i = start; i < paragraphEnd; ++i) {
        const char16_t c = story.charAt(i);
        if (xt::isParagraphEnd(c)) {
            line.end = i + 1;
            break;
        }
        const xt::Fixed advance = advanceAt(story, i, tabOrigin + x);
        if (x + advance <= width || i == start || c == kSpace) {
            x += advance;
            if (isBreakAfter(c))
                lastBreak = i + 1;
            continue;
        }
        line.end = lastBreak > start ? lastBreak : i;
        break;
    }
    // Spaces that follow a full line hang past its edge, so the next line does not start with them.
    while (line.end < paragraphEnd && story.charAt(line.end) == kSpace)
        ++line.end;
    if (line.end < paragraphEnd && xt::isParagraphEnd(story.charAt(line.end)))
        ++line.end;
    line.usedWidth = measure(story, start, withoutTrailingSpaces(story, start, line.end), tabOrigin);
    setHeights(story, start, line.end, line);
    return line;
}

} // namespace host::model
