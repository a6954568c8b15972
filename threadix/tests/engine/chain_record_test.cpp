// The chain record's bytes: every one defined when written, and a stored block read only when it is
// whole and names a box.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "threadix/engine/chain_record.h"

namespace threadix {
namespace {

TEST(ChainRecordTest, WritesEightDefinedBytes)
{
    const auto bytes = encodeChainRecord(42);
    const std::array<uint8_t, 8> expected = {1, 0, 0, 0, 42, 0, 0, 0};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(decodeChainRecord(bytes.data(), bytes.size()), 42);
}

TEST(ChainRecordTest, ReadsOnlyAWholeRecordThatNamesABox)
{
    struct Case {
        std::vector<uint8_t> bytes;
        std::optional<int32_t> box;
    };
    const Case cases[] = {
        {{1, 0, 0, 0, 0x2A, 0x01, 0, 0}, 0x12A},
        {{7, 9, 9, 9, 5, 0, 0, 0}, 5},                   // any nonzero flag; the unused bytes are not read
        {{0, 0, 0, 0, 5, 0, 0, 0}, std::nullopt},        // the flag says it names no box
        {{1, 0, 0, 0, 0, 0, 0, 0}, std::nullopt},        // reference 0 is no box
        {{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, std::nullopt}, // nor is a negative one
        {{1, 0, 0, 0, 5, 0, 0}, std::nullopt},           // short
        {{1, 0, 0, 0, 5, 0, 0, 0, 0}, std::nullopt},     // long
        {{}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeChainRecord(c.bytes.data(), c.bytes.size()), c.box) << c.bytes.size() << " bytes";
    EXPECT_EQ(decodeChainRecord(nullptr, 8), std::nullopt);
}

} // namespace
} // namespace threadix
