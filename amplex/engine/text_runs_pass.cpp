// Point sizes and horizontal scales, run by run.
#include <algorithm>

#include "amplex/engine/fixed_math.h"
#include "amplex/engine/scale_warning.h"
#include "amplex/engine/text_passes.h"
#include "amplex/strings.h"
#include "foundation/binding.h"
#include "xtapi/text_records.h"

namespace amplex {
namespace {

constexpr Fixed kSmallestSize = 2 * xt::kFixedOne;
constexpr Fixed kLargestSize = 720 * xt::kFixedOne;

void warnAboutSize(Fixed size, SizeWarningLatch& latch)
{
    if (!currentSettings().SizeWarnings || latch.shown)
        return;
    int32_t message = 0;
    if (size < kSmallestSize)
        message = StringMinimumPointSize;
    else if (size > kLargestSize)
        message = StringMaximumPointSize;
    if (message == 0)
        return;
    latch.shown = true;
    ShowScaleWarning(loadAmplexString(message).c_str());
}

bool widthLocked(int32_t story)
{
    xt::CharacterRecord record{};
    xt::calls::GetTextValue691(story, xt::kCharAttributes, &record, 0);
    return (record.flags & xt::kCharacterFlagWidthLocked) != 0;
}

/// The size goes on as computed, out of bounds or not; the warning is all the user gets.
void scaleRunPart(int32_t story, int32_t start, int32_t end, const TextFactors& factors, SizeWarningLatch& latch)
{
    xt::calls::SetTextSelection(story, start, end, 0);
    const Fixed size = xt::calls::GetTextValue691(story, xt::kCharSize, nullptr, 0);
    if (size == xt::kMixedValue)
        return;
    Fixed scaled = xt::calls::FixedMultiply(size, factors.text.v);
    warnAboutSize(scaled, latch);
    if (currentSettings().RoundFonts)
        scaled = RoundFontSize(scaled);
    xt::calls::SetStoryValue3094(story, xt::negativeCharacterCode(xt::kCharSize), scaled);

    if (factors.widthRatio == 0 || widthLocked(story))
        return;
    const Fixed width = xt::calls::GetTextValue691(story, xt::kCharHorizontalScale, nullptr, 0);
    if (width == xt::kMixedValue)
        return;
    xt::calls::SetStoryValue3094(story, xt::negativeCharacterCode(xt::kCharHorizontalScale),
        xt::calls::FixedMultiply(width, factors.widthRatio));
}

/// The story's character runs as the host lists them; a handle the caller disposes, or null.
xt::Handle characterRuns(int32_t box, int32_t& count)
{
    xt::Handle list = xt::calls::NewHandle(0);
    if (!list)
        return nullptr;
    count = 0;
    if (xt::calls::IsTextBox(box) != 0) {
        int32_t story = 0;
        xt::calls::GetBoxTextInfo(box, &story, nullptr, nullptr, nullptr);
        xt::calls::TextOp3095(story, &count, &list);
    }
    // Work on a copy of our own; the host's list is handed back at once.
    xt::Handle copy = list;
    const bool copied = xt::calls::CopyHandle(&copy) == 0;
    xt::calls::DisposeHandle(list);
    return copied ? copy : nullptr;
}

} // namespace

void scaleCharacterRuns(int32_t box, int32_t story, const TextFactors& factors, const StoryRange& range,
    SizeWarningLatch& latch)
{
    int32_t count = 0;
    xt::Handle runs = characterRuns(box, count);
    if (!runs)
        return;
    const int32_t listed = xt::calls::GetHandleSize(runs) / static_cast<int32_t>(sizeof(xt::RunEntry));
    count = std::clamp(count, 0, listed);
    int32_t runStart = 0;
    for (int32_t i = 0; i < count && runStart < range.end; ++i) {
        const auto run = xt::readAt<xt::RunEntry>(*runs, static_cast<size_t>(i) * sizeof(xt::RunEntry));
        const int32_t runEnd = runStart + std::max(run.length, 0);
        if (runEnd > range.start)
            scaleRunPart(story, std::max(runStart, range.start), std::min(runEnd, range.end), factors, latch);
        runStart = runEnd;
    }
    xt::calls::DisposeHandle(runs);
}

} // namespace amplex
