// Reading the layout probe's line records (CopyTextToHandle2828) with their count checked.
#include "mockum/engine/fill/line_records.h"

#include "foundation/binding/binding.h"
#include "mockum/engine/common/host_failures.h"
#include "xtapi/box_record.h"
#include "xtapi/text_records.h"

namespace mockum {

std::optional<std::vector<LineFacts>> readLineRecords(int32_t box)
{
    xt::Handle records = xt::calls::NewHandle(0);
    if (!records) {
        noteHostFailure();
        return std::nullopt;
    }
    int32_t probed = box;
    int32_t first = 0;
    std::optional<std::vector<LineFacts>> lines;
    if (watched(xt::calls::CopyTextToHandle2828(&probed, &first, 0, nullptr, &records)) == 0) {
        const int32_t count = xt::calls::GetHandleSize(records) / static_cast<int32_t>(sizeof(xt::LineRecord));
        lines.emplace();
        for (int32_t i = 0; i < count; ++i) {
            const auto record = xt::readAt<xt::LineRecord>(*records, static_cast<size_t>(i) * sizeof(xt::LineRecord));
            lines->push_back({record.start, record.fit != xt::kLineDoesNotFit});
        }
    }
    xt::calls::DisposeHandle(records);
    return lines;
}

bool lastLineOverflows(const std::vector<LineFacts>& lines)
{
    return !lines.empty() && !lines.back().fits;
}

} // namespace mockum
