// Line placement: paragraphs are broken into lines for the column they land in; a line that does not
// fit below the previous one moves to the next column or box, and after the last one it is overset.
#include "host/model/composer/composer.h"

#include <algorithm>
#include <cassert>

#include "host/model/composer/line_breaker.h"

namespace host::model {
namespace {

/// Ends a paragraph and sends the text after it to the next box of the chain.
constexpr char16_t kNextBoxCharacter = 12;

/// One column of one box, in the box's coordinates.
struct Slot {
    size_t boxIndex;
    int16_t column;
    xt::Fixed left;
    xt::Fixed width;
    xt::Fixed innerHeight;
    xt::Fixed insetTop;
    xt::Fixed insetBottom;
};

std::vector<Slot> slotsOf(const std::vector<TextFrame>& frames)
{
    std::vector<Slot> slots;
    for (size_t b = 0; b < frames.size(); ++b) {
        const TextFrame& f = frames[b];
        const int16_t columns = std::max<int16_t>(f.columns, 1);
        const xt::Fixed inner = f.width - f.insetLeft - f.insetRight;
        const xt::Fixed columnWidth = std::max<xt::Fixed>((inner - f.gutter * (columns - 1)) / columns, 0);
        const xt::Fixed innerHeight = f.height - f.insetTop - f.insetBottom;
        for (int16_t c = 0; c < columns; ++c)
            slots.push_back({b, c, f.insetLeft + c * (columnWidth + f.gutter), columnWidth, innerHeight, f.insetTop, f.insetBottom});
    }
    return slots;
}

class Flow {
public:
    /// Composes on from `from`, after `lines` (the lines placed before it).
    Flow(const Story& story, std::vector<Slot> slots, std::vector<ComposedLine> lines, const ParagraphStart& from)
        : m_story(story), m_slots(std::move(slots)), m_lines(std::move(lines)), m_slot(from.slot), m_y(from.y),
          m_spaceAfter(from.spaceAfter), m_linesInSlot(from.linesInSlot), m_overset(from.overset)
    {
    }

    ParagraphStart state(int32_t offset) const
    {
        return {offset, m_lines.size(), m_slot, m_y, m_spaceAfter, m_linesInSlot, m_overset};
    }

    void paragraph(TextRange range)
    {
        const ParagraphAttributes& attributes = m_story.paragraphAttributesAt(range.start);
        int32_t at = range.start;
        bool first = true;
        while (at < range.end) {
            at = line(range, attributes, at, first);
            first = false;
        }
        m_spaceAfter = attributes.spaceAfter;
    }

    /// An empty story still sets one empty line, as high as its insertion point's type, so that a box
    /// too small for it overflows.
    void emptyLine() { line({0, 0}, m_story.paragraphAttributesAt(0), 0, true); }

    /// The text after a next-box character starts at the top of the next box's first column.
    void nextBox()
    {
        const size_t box = m_slots[m_slot].boxIndex;
        while (!m_overset && m_slots[m_slot].boxIndex == box)
            nextSlot();
    }

    std::vector<ComposedLine> takeLines() { return std::move(m_lines); }

private:
    /// Places the line starting at `at`; returns where the next one starts.
    int32_t line(TextRange paragraph, const ParagraphAttributes& attributes, int32_t at, bool first)
    {
        for (;;) {
            const Slot& slot = m_slots[m_slot];
            const xt::Fixed indent = attributes.leftIndent + (first ? attributes.firstLineIndent : 0);
            const xt::Fixed width = std::max<xt::Fixed>(slot.width - indent - attributes.rightIndent, 0);
            const LineBreak broken = breakLine(m_story, at, paragraph.end, width, indent);
            const xt::Fixed gap = m_linesInSlot == 0 ? 0 : (first ? m_spaceAfter + attributes.spaceBefore : 0);
            if (!m_overset && m_y + gap + broken.height > slot.innerHeight) {
                nextSlot();
                continue;
            }
            place(slot, broken, at, {indent, alignmentShift(attributes.alignment, width, broken.usedWidth), width, gap});
            return broken.end;
        }
    }

    static xt::Fixed alignmentShift(Alignment alignment, xt::Fixed width, xt::Fixed used)
    {
        if (alignment == Alignment::Centre)
            return (width - used) / 2;
        if (alignment == Alignment::Right)
            return width - used;
        return 0;
    }

    void nextSlot()
    {
        if (m_slot + 1 == m_slots.size()) {
            // Past the last column text is overset; it goes on below that column.
            m_overset = true;
            return;
        }
        ++m_slot;
        m_y = 0;
        m_linesInSlot = 0;
    }

    struct Placement {
        xt::Fixed indent;
        xt::Fixed shift;
        xt::Fixed width;
        xt::Fixed gap;
    };

    void place(const Slot& slot, const LineBreak& broken, int32_t at, Placement p)
    {
        ComposedLine line;
        line.start = at;
        line.end = broken.end;
        line.boxIndex = slot.boxIndex;
        line.column = slot.column;
        line.overset = m_overset;
        line.left = slot.left + p.indent + p.shift;
        line.tabOrigin = p.indent;
        line.width = p.width;
        line.usedWidth = broken.usedWidth;
        line.ascent = broken.ascent;
        line.descent = broken.descent;
        line.height = broken.height;
        line.depth = slot.insetTop + m_y + slot.insetBottom;
        line.top = slot.insetTop + m_y + p.gap;
        line.bottom = line.top + broken.height;
        line.baseline = line.bottom - broken.descent;
        m_lines.push_back(line);
        m_y += p.gap + broken.height;
        ++m_linesInSlot;
    }

    const Story& m_story;
    std::vector<Slot> m_slots;
    std::vector<ComposedLine> m_lines;
    size_t m_slot = 0;
    xt::Fixed m_y = 0;
    xt::Fixed m_spaceAfter = 0;
    int32_t m_linesInSlot = 0;
    bool m_overset = false;
};

std::vector<int32_t> firstOffsets(const std::vector<ComposedLine>& lines, size_t boxCount, int32_t length)
{
    std::vector<int32_t> first(boxCount, length);
    std::vector<bool> reached(boxCount, false);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (line->overset)
            continue;
        first[line->boxIndex] = line->start;
        reached[line->boxIndex] = true;
    }
    // A box that no line reached begins where the text after it begins.
    int32_t next = length;
    for (const ComposedLine& line : lines) {
        if (line.overset) {
            next = line.start;
            break;
        }
    }
    for (size_t b = boxCount; b-- > 0;) {
        if (!reached[b])
            first[b] = next;
        next = first[b];
    }
    return first;
}

} // namespace

const ComposedLine* Composition::lineHolding(int32_t offset) const
{
    if (lines.empty())
        return nullptr;
    // Lines follow one another through the story, so their ends only grow.
    const auto line = std::partition_point(lines.begin(), lines.end(), [&](const ComposedLine& l) { return l.end <= offset; });
    return line != lines.end() && offset >= line->start ? &*line : &lines.back();
}

namespace {

/// The last paragraph start from which composing on gives what composing from the start would: its
/// text and everything before it unchanged, and the flow still in a column of an unchanged box.
ParagraphStart resumePoint(const Composition& composition, int32_t unchangedText, size_t unchangedSlots)
{
    const auto& starts = composition.paragraphStarts;
    auto after = std::upper_bound(starts.begin(), starts.end(), unchangedText,
        [](int32_t offset, const ParagraphStart& start) { return offset < start.offset; });
    while (after != starts.begin()) {
        const ParagraphStart& start = *--after;
        if (!start.overset && start.slot < unchangedSlots && start.lineCount <= composition.lines.size())
            return start;
    }
    return {};
}

void composeOn(Composition& composition, const Story& story, const std::vector<TextFrame>& frames, const ParagraphStart& from)
{
    assert(!frames.empty() && "a story is shown by at least one box");
    std::vector<ComposedLine> lines = std::move(composition.lines);
    lines.resize(from.lineCount);
    std::vector<ParagraphStart> starts = std::move(composition.paragraphStarts);
    starts.erase(std::lower_bound(starts.begin(), starts.end(), from.offset,
                     [](const ParagraphStart& start, int32_t offset) { return start.offset < offset; }),
        starts.end());
    Flow flow(story, slotsOf(frames), std::move(lines), from);
    if (story.length() == 0)
        flow.emptyLine();
    for (int32_t at = from.offset; at < story.length();) {
        const TextRange paragraph = story.paragraphAt(at);
        starts.push_back(flow.state(at));
        flow.paragraph(paragraph);
        if (story.charAt(paragraph.end - 1) == kNextBoxCharacter)
            flow.nextBox();
        at = paragraph.end;
    }
    composition.lines = flow.takeLines();
    composition.paragraphStarts = std::move(starts);
    composition.storyLength = story.length();
    composition.firstOffsets = firstOffsets(composition.lines, frames.size(), story.length());
}

} // namespace

Composition compose(const Story& story, const std::vector<TextFrame>& frames)
{
    Composition composition;
    composeOn(composition, story, frames, {});
    return composition;
}

void recompose(Composition& composition, const Story& story, const std::vector<TextFrame>& frames, int32_t unchangedText,
    size_t unchangedBoxes)
{
    const std::vector<Slot> slots = slotsOf(frames);
    const auto unchangedSlots = static_cast<size_t>(
        std::find_if(slots.begin(), slots.end(), [&](const Slot& slot) { return slot.boxIndex >= unchangedBoxes; }) - slots.begin());
    const ParagraphStart from = story.length() == 0 ? ParagraphStart{} : resumePoint(composition, unchangedText, unchangedSlots);
    composeOn(composition, story, frames, from);
}

} // namespace host::model
