// Walking a story range over the host's run lists and stepping each piece.
#include "amplex/engine/fitting/style_run_walk.h"

#include <algorithm>

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "xtapi/box_record.h"
#include "xtapi/text_records.h"

namespace amplex {
namespace {

/// The run lengths of the box's story, character or paragraph runs; empty when there are none.
std::vector<int32_t> runLengths(int32_t box, AttributeLevel level)
{
    if (xt::calls::IsTextBox(box) == 0)
        return {};
    int32_t text = 0;
    xt::calls::GetBoxTextInfo(box, &text, nullptr, nullptr, nullptr);
    xt::Handle list = xt::calls::NewHandle(0);
    if (!list)
        return {};
    int32_t count = 0;
    if (level == AttributeLevel::Character)
        xt::calls::TextOp3095(text, &count, &list);
    else
        xt::calls::TextOp3096(text, &count, &list);
    // The host's count is trusted only as far as the block it filled reaches.
    const int32_t size = list && *list ? xt::calls::GetHandleSize(list) : 0;
    if (size < 0)
        foundation::noteHostFailure();
    const int32_t held = std::max(size, 0) / int32_t{sizeof(xt::RunEntry)};
    std::vector<int32_t> lengths;
    for (int32_t i = 0; i < std::min(count, held); ++i)
        lengths.push_back(xt::readAt<xt::RunEntry>(*list, sizeof(xt::RunEntry) * size_t(i)).length);
    if (list)
        xt::calls::DisposeHandle(list);
    return lengths;
}

} // namespace

std::vector<TextPiece> piecesOfRange(std::span<const int32_t> runLengths, int32_t start, int32_t end)
{
    std::vector<TextPiece> pieces;
    if (start >= end)
        return pieces;
    int64_t pos = 0;
    for (const int32_t length : runLengths) {
        const int64_t runEnd = pos + std::max(length, 0);
        const int64_t pieceStart = std::max<int64_t>(start, pos);
        const int64_t pieceEnd = std::min<int64_t>(end, runEnd);
        if (pieceStart < pieceEnd)
            pieces.push_back({static_cast<int32_t>(pieceStart), static_cast<int32_t>(pieceEnd)});
        pos = runEnd;
        if (pos >= end)
            return pieces;
    }
    pieces.push_back({static_cast<int32_t>(std::max<int64_t>(start, pos)), end});
    return pieces;
}

void stepRunsOfRange(int32_t box, int32_t story, TextPiece range, StepDirection direction, StepSize size,
    AttributeLevel level, RecomposeEach recompose)
{
    const std::vector<int32_t> lengths = runLengths(box, level);
    if (lengths.empty())
        return;
    for (const TextPiece& piece : piecesOfRange(lengths, range.start, range.end)) {
        // Unselected, the step would go to the piece stepped before, a second time.
        if (xt::calls::SetTextSelection(story, piece.start, piece.end, 0) != 0)
            continue;
        StepRunAttributes(story, direction, size, level);
        if (level == AttributeLevel::Paragraph && recompose == RecomposeEach::Yes)
            xt::calls::StoryMode1375(1);
    }
}

} // namespace amplex
