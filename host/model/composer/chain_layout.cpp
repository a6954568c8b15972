// Questions about a composed chain, answered from its lines.
#include "host/model/composer/chain_layout.h"

#include <algorithm>
#include <cstring>

#include "host/model/composer/composer.h"
#include "host/model/composer/line_breaker.h"

namespace host::model {

ChainLayout::ChainLayout(const Story& story, std::vector<int32_t> boxes, std::vector<TextFrame> frames,
    std::shared_ptr<const Composition> composition)
    : m_story(&story), m_boxes(std::move(boxes)), m_frames(std::move(frames)), m_composition(std::move(composition))
{
}

std::optional<ChainLayout> ChainLayout::of(const StoryStore& stories, int32_t box, const FrameSource& frameOf,
    CompositionCache* cache)
{
    const Story* story = stories.storyOfBox(box);
    if (!story || !frameOf(box))
        return std::nullopt;
    std::vector<int32_t> boxes;
    std::vector<TextFrame> frames;
    for (int32_t member : stories.chain(story->ref())) {
        const std::optional<TextFrame> frame = frameOf(member);
        if (!frame)
            continue;
        boxes.push_back(member);
        frames.push_back(*frame);
    }
    auto composition = cache ? cache->compositionOf(*story, frames) : std::make_shared<const Composition>(compose(*story, frames));
    return ChainLayout(*story, std::move(boxes), std::move(frames), std::move(composition));
}

size_t ChainLayout::indexOf(int32_t box) const
{
    return static_cast<size_t>(std::find(m_boxes.begin(), m_boxes.end(), box) - m_boxes.begin());
}

int32_t ChainLayout::firstOffset(int32_t box) const
{
    const size_t index = indexOf(box);
    return index < m_composition->firstOffsets.size() ? m_composition->firstOffsets[index] : m_composition->storyLength;
}

xt::LineRecord ChainLayout::record(const ComposedLine& line) const
{
    xt::LineRecord record;
    std::memset(&record, 0, sizeof record);
    record.start = line.start;
    record.end = line.end;
    record.box = line.overset ? 0 : m_boxes[line.boxIndex];
    record.column = line.column;
    record.left = line.left;
    record.width = line.width;
    record.usedWidth = line.usedWidth;
    record.ascent = line.ascent;
    record.descent = line.descent;
    record.height = line.height;
    record.baseline = line.baseline;
    record.bottom = line.bottom;
    record.fit = line.overset ? xt::kLineDoesNotFit : 0;
    record.depth = line.depth;
    return record;
}

std::vector<xt::LineRecord> ChainLayout::lineRecords(int32_t box) const
{
    const size_t index = indexOf(box);
    const auto& lines = m_composition->lines;
    // Lines go box after box, overset ones last.
    auto first = std::partition_point(lines.begin(), lines.end(), [&](const ComposedLine& l) { return !l.overset && l.boxIndex < index; });
    std::vector<xt::LineRecord> records;
    for (auto line = first; line != lines.end(); ++line)
        records.push_back(record(*line));

    xt::LineRecord closing;
    std::memset(&closing, 0, sizeof closing);
    closing.start = m_composition->storyLength;
    closing.end = m_composition->storyLength;
    const TextFrame& own = m_frames[std::min(index, m_frames.size() - 1)];
    closing.depth = own.insetTop + own.insetBottom;
    if (!lines.empty()) {
        const ComposedLine& last = lines.back();
        const TextFrame& frame = m_frames[last.boxIndex];
        closing = record(last);
        closing.start = closing.end = m_composition->storyLength;
        closing.depth = last.bottom + frame.insetBottom;
    }
    records.push_back(closing);
    return records;
}

int32_t ChainLayout::boxHolding(int32_t offset) const
{
    const ComposedLine* line = m_composition->lineHolding(std::clamp(offset, 0, m_composition->storyLength));
    if (!line)
        return m_boxes.front();
    return line->overset ? 0 : m_boxes[line->boxIndex];
}

ChainLayout::Position ChainLayout::positionOf(int32_t offset) const
{
    offset = std::clamp(offset, 0, m_composition->storyLength);
    const ComposedLine* line = m_composition->lineHolding(offset);
    if (!line) {
        const TextFrame& frame = m_frames.front();
        return {frame.insetLeft, frame.insetTop, m_boxes.front()};
    }
    const int32_t upTo = std::clamp(offset, line->start, line->end);
    Position position;
    position.x = line->left + measure(*m_story, line->start, upTo, line->tabOrigin);
    position.y = line->baseline;
    position.box = line->overset ? 0 : m_boxes[line->boxIndex];
    return position;
}

} // namespace host::model
