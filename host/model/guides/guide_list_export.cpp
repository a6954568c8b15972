// Guide lists in the block the plug-ins read.
#include "host/model/guides/guide_list_export.h"

#include <cstring>

namespace host::model {

std::vector<uint8_t> exportedGuideList(const GuideStore& guides, GuideListKey key)
{
    const auto vertical = guides.guides(key, GuideKind::Vertical);
    const auto horizontal = guides.guides(key, GuideKind::Horizontal);
    std::vector<uint8_t> bytes(xt::kGuideListEntries + (vertical.size() + horizontal.size()) * sizeof(xt::GuideEntry));
    xt::GuideListHeader header{};
    header.verticalCount = static_cast<int16_t>(vertical.size());
    header.horizontalCount = static_cast<int16_t>(horizontal.size());
    std::memcpy(bytes.data(), &header, sizeof header);
    size_t offset = xt::kGuideListEntries;
    for (const auto* list : {&vertical, &horizontal}) {
        for (const Guide& guide : *list) {
            xt::GuideEntry entry = guide.entry();
            entry.position += xt::kGuideListShift;
            std::memcpy(bytes.data() + offset, &entry, sizeof entry);
            offset += sizeof entry;
        }
    }
    return bytes;
}

} // namespace host::model
