// The chain record reader on any block a document may hold: it names a box only when the block is whole,
// and a record it writes again reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "threadix/engine/chain_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<int32_t> box = threadix::decodeChainRecord(data, size);
    if (!box)
        return 0;
    if (size != sizeof(threadix::ChainRecord) || *box <= 0)
        std::abort();
    const auto written = threadix::encodeChainRecord(*box);
    if (threadix::decodeChainRecord(written.data(), written.size()) != box)
        std::abort();
    return 0;
}
