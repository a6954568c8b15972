// Pieces of stories copied and inserted with their attributes.
#include "host/model/text/text_piece.h"

#include <algorithm>

namespace host::model {
namespace {

/// The runs of `runs` that overlap `range`, cut to it and counted from its start.
template <class Value>
std::vector<std::pair<TextRange, Value>> runsWithin(const RunList<Value>& runs, TextRange range)
{
    std::vector<std::pair<TextRange, Value>> within;
    if (runs.runCount() == 0 || range.empty())
        return within;
    for (size_t i = runs.runAt(range.start); i < runs.runCount() && runs.startOfRun(i) < range.end; ++i) {
        const int32_t start = std::max(runs.startOfRun(i), range.start);
        const int32_t end = std::min(runs.endOfRun(i), range.end);
        if (start < end)
            within.push_back({{start - range.start, end - range.start}, runs.valueOfRun(i)});
    }
    return within;
}

bool endsParagraph(char16_t c)
{
    return c == 11 || c == 12 || c == 13;
}

/// How much of a piece inserted at `offset` keeps the piece's paragraph attributes: the paragraphs that
/// end inside it. The part after its last paragraph end joins the paragraph it lands in and takes that
/// paragraph's attributes, unless it is a paragraph of its own (it starts one and nothing follows it).
int32_t ownParagraphsEnd(const Story& story, int32_t offset, const std::u16string& text)
{
    const bool startsParagraph = offset == 0 || endsParagraph(story.charAt(offset - 1));
    if (startsParagraph && offset == story.length())
        return static_cast<int32_t>(text.size());
    const auto last = std::find_if(text.rbegin(), text.rend(), endsParagraph);
    return static_cast<int32_t>(text.rend() - last);
}

} // namespace

TextSnapshot copyText(const Story& story, TextRange range)
{
    range = story.clamp(range.start, range.end);
    TextSnapshot piece;
    piece.text = story.text().substr(static_cast<size_t>(range.start), static_cast<size_t>(range.end - range.start));
    piece.characterRuns = runsWithin(story.characterRuns(), range);
    piece.paragraphRuns = runsWithin(story.paragraphRuns(), range);
    return piece;
}

TextRange insertText(Story& story, int32_t offset, const TextSnapshot& piece)
{
    offset = std::clamp(offset, 0, story.length());
    const int32_t ownEnd = ownParagraphsEnd(story, offset, piece.text);
    story.insert(offset, piece.text);
    const auto shifted = [offset](TextRange range) { return TextRange{range.start + offset, range.end + offset}; };
    for (const auto& [range, attributes] : piece.characterRuns)
        story.setCharacterAttributes(shifted(range), attributes);
    for (const auto& [range, attributes] : piece.paragraphRuns) {
        if (range.start < ownEnd)
            story.setParagraphAttributes(shifted({range.start, std::min(range.end, ownEnd)}), attributes);
    }
    return {offset, offset + static_cast<int32_t>(piece.text.size())};
}

} // namespace host::model
