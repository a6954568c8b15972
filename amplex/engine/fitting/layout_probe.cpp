// Reading the host's 76-byte line records.
#include "amplex/engine/fitting/layout_probe.h"

#include "foundation/binding/binding.h"
#include "xtapi/box_record.h"

namespace amplex {

bool LayoutProbe::overflows() const
{
    return !lines.empty() && lines.back().fit == xt::kLineDoesNotFit;
}

const xt::LineRecord* LayoutProbe::lineHolding(int32_t offset) const
{
    if (lines.empty())
        return nullptr;
    if (offset == b || lines.front().start >= offset)
        return &lines.back();
    const xt::LineRecord* holding = &lines.back();
    for (const xt::LineRecord& line : lines) {
        if (line.start >= offset)
            break;
        holding = &line;
    }
    return holding;
}

std::optional<xt::Fixed> LayoutProbe::depthBefore(int32_t offset) const
{
    if (lines.empty())
        return std::nullopt;
    if (offset == b || lines.front().start >= offset)
        return lines.back().depth;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].start >= offset)
            return lines[i].depth;
    }
    return lines.back().depth;
}

std::optional<LayoutProbe> probeLayout(int32_t box)
{
    xt::Handle block = xt::calls::NewHandle(0);
    if (!block)
        return std::nullopt;
    LayoutProbe probe;
    probe.a = box;
    int32_t unused = 0;
    xt::calls::HostResult3186(xt::calls::CopyTextToHandle2828(&probe.a, &probe.b, 0, &unused, &block));
    // A 32-bit count: a long story may compose to more lines than a 16-bit count holds.
    const int32_t count = block && *block ? xt::calls::GetHandleSize(block) / int32_t{sizeof(xt::LineRecord)} : 0;
    probe.lines.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        probe.lines.push_back(xt::readAt<xt::LineRecord>(*block, sizeof(xt::LineRecord) * size_t(i)));
    if (block)
        xt::calls::DisposeHandle(block);
    return probe;
}

} // namespace amplex
