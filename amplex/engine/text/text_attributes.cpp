// ScaleTextAttributes: the range of the story, the anchored items, then the runs and paragraphs.
#include "amplex/engine/text/text_attributes.h"

#include <algorithm>

#include "amplex/engine/common/item_steps.h"
#include "amplex/engine/common/scaled_page.h"
#include "amplex/engine/selection/scale_selection.h"
#include "amplex/engine/text/text_passes.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/component_calls.h"
#include "foundation/binding/host_failures.h"

namespace amplex {
namespace {

constexpr int32_t kContentTool = 1;

/// The story's length now, or `known` when the host cannot say: a failed read must not cut the range
/// to nothing.
int32_t storyLength(int32_t box, int32_t known)
{
    int32_t length = 0;
    if (xt::calls::GetBoxTextInfo(box, nullptr, nullptr, nullptr, &length) != 0)
        return known;
    return length;
}

/// Each item anchored in the range scales about its own corner. The search goes on from the next
/// character, so anchors side by side are all reached.
void scaleAnchoredItems(int32_t box, int32_t story, const StoryRange& range)
{
    int32_t position = range.start;
    uint8_t found = 0;
    xt::calls::FindNextAnchor(story, &position, range.end, 1, 0, 1, 0, &found);
    while (found != 0 && position != -1 && position < range.end) {
        const int32_t item = xt::calls::GetAnchoredItem(story, position, box);
        if (item > 0)
            ScaleSingleItem(item);
        else if (item < 0)
            foundation::noteHostFailure();  // 0 is an anchor whose item is gone; -1 the host failing
        xt::calls::SetCurrentTool(kContentTool);
        xt::calls::SetCurrentBox(box);
        ++position;
        found = 0;
        xt::calls::FindNextAnchor(story, &position, range.end, 1, 0, 1, 0, &found);
    }
    xt::calls::StoryMode1375(0);
}

StoryRange clampTo(StoryRange range, int32_t length)
{
    range.start = std::max(range.start, 0);
    range.end = std::min(range.end, length);
    return range;
}

void finishStory(int32_t story)
{
    xt::calls::StoryMode1375(0);
    xt::calls::SetTextSelection(story, 0, 0, 1);
    xt::calls::StoryMode1375(1);
}

} // namespace

TextFactors textFactors()
{
    const Factors plain = settingsFactors();
    const Factors text = proportional(plain, currentSettings().KeepTextProportional);
    const Fixed ratio = text.h == text.v ? 0 : xt::calls::FixedDivide(text.h, text.v);
    return {plain, text, ratio};
}

void ScaleTextAttributes()
{
    xt::calls::SetCurrentTool(kContentTool);
    const int32_t box = currentItem();
    uint8_t unused = 0;
    xt::calls::XptaOp44(box, &unused);
    if (!IsOnScaledPage())
        return;
    const TextFactors factors = textFactors();
    int32_t story = 0;
    int32_t length = 0;
    // The box is a text box (the caller routed it here by its kind), so a refusal is a failure.
    if (xt::calls::GetBoxTextInfo(box, &story, nullptr, nullptr, &length) != 0 || length <= 0)
        return;
    auto range = storyRangeOfBox(box, story, length);
    if (!range)
        return;

    const ScaleSettings& settings = currentSettings();
    if (settings.ScaleRunaround) {
        scaleAnchoredItems(box, story, *range);
        length = storyLength(box, length);
    }
    const StoryRange part = clampTo(*range, length);
    SizeWarningLatch latch;
    if (settings.ScaleLeading && part.end > part.start)
        scaleCharacterRuns(box, story, factors, part, latch);
    if ((settings.ScaleLeading || settings.ScaleTabs) && part.start < part.end)
        scaleParagraphs(story, factors, part);
    else if (settings.ScaleGutters && part.start < part.end)
        scaleTabsOnly(story, factors, part);
    finishStory(story);
}

} // namespace amplex
