// Point sizes and horizontal scales, run by run.
#include <algorithm>
#include <optional>

#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/text/font_size_rounding.h"
#include "amplex/engine/text/text_passes.h"
#include "amplex/resources/strings.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
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

/// Whether the selection's width is locked; empty when the host cannot say.
std::optional<bool> widthLocked(int32_t story)
{
    xt::CharacterRecord record{};
    if (xt::calls::GetTextValue691(story, xt::kCharAttributes, &record, 0) != 0) {
        foundation::noteHostFailure();
        return std::nullopt;
    }
    return (record.flags & xt::kCharacterFlagWidthLocked) != 0;
}

/// A value of the selected piece. The piece lies inside one run, so it has one value: "mixed"
/// here is the host failing, and nothing may be worked out from it.
std::optional<Fixed> pieceValue(int32_t story, int32_t code)
{
    const Fixed value = xt::calls::GetTextValue691(story, code, nullptr, 0);
    if (value != xt::kMixedValue)
        return value;
    foundation::noteHostFailure();
    return std::nullopt;
}

/// The size goes on as computed, out of bounds or not; the warning is all the user gets.
void scaleRunPart(int32_t story, int32_t start, int32_t end, const TextFactors& factors, SizeWarningLatch& latch)
{
    // Unselected, the reads and writes below would reach the piece selected before.
    if (xt::calls::SetTextSelection(story, start, end, 0) != 0)
        return;
    const auto size = pieceValue(story, xt::kCharSize);
    if (!size)
        return;
    Fixed scaled = xt::calls::FixedMultiply(*size, factors.text.v);
    warnAboutSize(scaled, latch);
    if (currentSettings().RoundFonts)
        scaled = RoundFontSize(scaled);
    xt::calls::SetStoryValue3094(story, xt::negativeCharacterCode(xt::kCharSize), scaled);

    if (factors.widthRatio == 0 || widthLocked(story).value_or(true))
        return;
    const auto width = pieceValue(story, xt::kCharHorizontalScale);
    if (!width)
        return;
    xt::calls::SetStoryValue3094(story, xt::negativeCharacterCode(xt::kCharHorizontalScale),
        xt::calls::FixedMultiply(*width, factors.widthRatio));
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
    const int32_t held = xt::calls::GetHandleSize(runs);
    if (held < 0)
        foundation::noteHostFailure();
    const int32_t listed = std::max(held, 0) / static_cast<int32_t>(sizeof(xt::RunEntry));
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
