// Writing and reading the chain record of a box.
#include "threadix/engine/chain_record.h"

#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/document/data_blocks.h"

namespace threadix {

std::array<uint8_t, sizeof(ChainRecord)> encodeChainRecord(int32_t relatedBox)
{
    ChainRecord record{};
    record.namesBox = 1;
    record.relatedBox = relatedBox;
    std::array<uint8_t, sizeof(ChainRecord)> bytes{};
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

std::optional<int32_t> decodeChainRecord(const void* bytes, size_t size)
{
    if (!bytes || size != sizeof(ChainRecord))
        return std::nullopt;
    ChainRecord record{};
    std::memcpy(&record, bytes, sizeof record);
    if (record.namesBox == 0 || record.relatedBox <= 0)
        return std::nullopt;
    return record.relatedBox;
}

bool StoreChainRecord(int32_t box, int32_t relatedBox)
{
    const auto bytes = encodeChainRecord(relatedBox);
    xt::Handle block = xt::calls::NewHandle(static_cast<int32_t>(bytes.size()));
    if (!block || !*block)
        return false;
    std::memcpy(*block, bytes.data(), bytes.size());
    // Storing replaces the block under the same code, so a box never carries two records.
    foundation::SetXtData(box, foundation::XtDataBox, kChainRecordId, block, foundation::ZeroObject::NoBox);
    xt::calls::DisposeHandle(block);
    return true;
}

std::optional<int32_t> readChainRecord(int32_t box)
{
    // Read step by step rather than through GetXtData: a failed question about the block looks like
    // "no record", and a relink without its record would link another box without a word.
    const int32_t holder = foundation::XtDataHolder(box, foundation::XtDataBox, foundation::ZeroObject::NoBox);
    if (holder == 0)
        return std::nullopt;
    uint8_t present = 0;
    if (foundation::watched(xt::calls::HasXtDataBlock(holder, kChainRecordId, &present)) != 0 || present != 1)
        return std::nullopt;
    xt::Handle block = nullptr;
    if (foundation::watched(xt::calls::GetXtDataBlock(holder, kChainRecordId, &block)) != 0 || !block)
        return std::nullopt;
    const int32_t size = xt::calls::GetHandleSize(block);
    const std::optional<int32_t> related = size > 0 && *block ? decodeChainRecord(*block, static_cast<size_t>(size)) : std::nullopt;
    xt::calls::DisposeHandle(block);
    return related;
}

} // namespace threadix
