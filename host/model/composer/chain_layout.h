// The composition of a text box's chain and the questions the layout operations ask of it: the
// layout probe's line records, the box holding an offset, and where an offset is set.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "host/model/composer/composition.h"
#include "host/model/composer/composition_cache.h"
#include "host/model/text/story_store.h"
#include "host/model/text/text_frame.h"
#include "xtapi/text_records.h"

namespace host::model {

class ChainLayout {
public:
    /// Where the composer finds a box's frame; empty for a box that is gone.
    using FrameSource = std::function<std::optional<TextFrame>(int32_t box)>;

    /// Composes the chain of `box`; empty when `box` is not a text box. Boxes without a frame are left out.
    /// With a cache, the chain is composed again only where it changed since the cache last saw it.
    static std::optional<ChainLayout> of(const StoryStore& stories, int32_t box, const FrameSource& frameOf,
        CompositionCache* cache = nullptr);

    const Composition& composition() const { return *m_composition; }
    const Story& story() const { return *m_story; }
    const std::vector<int32_t>& boxes() const { return m_boxes; }
    /// The story offset of the first character that `box` shows.
    int32_t firstOffset(int32_t box) const;

    /// One record per line from the box's first line to the story's end, and one closing record for the
    /// story's end (start = length, fit state of the last line, depth holding every line).
    std::vector<xt::LineRecord> lineRecords(int32_t box) const;

    /// The box that holds the character at `offset` (for the story's end, the last character); 0 when it
    /// is overset.
    int32_t boxHolding(int32_t offset) const;

    struct Position {
        xt::Fixed x = 0;  // from the left edge of the box holding the offset
        xt::Fixed y = 0;  // the line's baseline, from the top of that box
        int32_t box = 0;  // 0 when the offset is overset
    };
    Position positionOf(int32_t offset) const;

private:
    ChainLayout(const Story& story, std::vector<int32_t> boxes, std::vector<TextFrame> frames,
        std::shared_ptr<const Composition> composition);

    size_t indexOf(int32_t box) const;
    xt::LineRecord record(const ComposedLine& line) const;

    const Story* m_story;
    std::vector<int32_t> m_boxes;
    std::vector<TextFrame> m_frames;
    std::shared_ptr<const Composition> m_composition;
};

} // namespace host::model
