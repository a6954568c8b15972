// Memory operations and fixed-point arithmetic, called through the host's toolbox table.
#include <cstring>
#include <limits>

#include "host/tests/host_fixture.h"
#include "win32/standin.h"

namespace host_tests {
namespace {

using namespace xt::op;

class MemoryOpsTest : public HostTest {};

TEST_F(MemoryOpsTest, HandlesGrowByMovingUnlessLocked)
{
    xt::Handle handle = hostOp<NewHandle>()(12);
    ASSERT_NE(handle, nullptr);
    std::memcpy(*handle, "header bytes", 12);
    char* before = *handle;
    hostOp<SetHandleSize>()(handle, 12 + 262);
    EXPECT_EQ(hostOp<GetMemoryError>()(), 0);
    EXPECT_NE(*handle, before);
    EXPECT_EQ(std::memcmp(*handle, "header bytes", 12), 0);
    EXPECT_EQ(hostOp<GetHandleSize>()(handle), 274);

    const uint8_t state = hostOp<GetHandleState>()(handle);
    hostOp<LockHandle>()(handle);
    before = *handle;
    hostOp<SetHandleSize>()(handle, 1000);
    EXPECT_EQ(hostOp<GetMemoryError>()(), win32::kMemoryFull);
    EXPECT_EQ(*handle, before);
    hostOp<SetHandleState>()(handle, state);
    hostOp<SetHandleSize>()(handle, 1000);
    EXPECT_EQ(hostOp<GetMemoryError>()(), 0) << "the restored state is unlocked again";
    hostOp<DisposeHandle>()(handle);
}

TEST_F(MemoryOpsTest, CopyHandleReplacesTheCallersHandle)
{
    xt::Handle original = hostOp<NewHandle>()(3);
    std::memcpy(*original, "abc", 3);
    xt::Handle handle = original;
    EXPECT_EQ(hostOp<CopyHandle>()(&handle), 0);
    EXPECT_NE(handle, original);
    EXPECT_EQ(std::memcmp(*handle, "abc", 3), 0);
    hostOp<DisposeHandle>()(handle);
    hostOp<DisposeHandle>()(original);
}

TEST_F(MemoryOpsTest, InjectedFailuresLookLikeAFullMemory)
{
    host().faults().failNth("SetHandleSize", 2);
    xt::Handle handle = hostOp<NewHandle>()(4);
    hostOp<SetHandleSize>()(handle, 8);
    EXPECT_EQ(hostOp<GetMemoryError>()(), 0);
    hostOp<SetHandleSize>()(handle, 16);
    EXPECT_EQ(hostOp<GetMemoryError>()(), win32::kMemoryFull) << "the second call from the plan fails";
    EXPECT_EQ(hostOp<GetHandleSize>()(handle), 8);
    hostOp<SetHandleSize>()(handle, 16);
    EXPECT_EQ(hostOp<GetMemoryError>()(), 0) << "only the planned call fails";
    EXPECT_EQ(host().faults().callCount("SetHandleSize"), 3);

    host().faults().failNth("NewHandle", 1);
    EXPECT_EQ(hostOp<NewHandle>()(4), nullptr);
    EXPECT_EQ(hostOp<GetMemoryError>()(), win32::kMemoryFull);
    xt::Handle copy = handle;
    host().faults().failNth("CopyHandle", 1);
    EXPECT_NE(hostOp<CopyHandle>()(&copy), 0);
    EXPECT_EQ(copy, handle) << "a failed copy leaves the caller's handle";
    hostOp<DisposeHandle>()(handle);
}

TEST_F(MemoryOpsTest, PointersAreScratchBlocks)
{
    char* block = hostOp<NewPointer>()(1528);
    ASSERT_NE(block, nullptr);
    block[1527] = 'x';
    hostOp<DisposePointer>()(block);
    EXPECT_EQ(hostOp<GetMemoryError>()(), 0);
    host().faults().failNth("NewPointer", 1);
    EXPECT_EQ(hostOp<NewPointer>()(8), nullptr);
}

TEST_F(MemoryOpsTest, FixedArithmetic)
{
    constexpr xt::Fixed one = xt::kFixedOne;
    constexpr xt::Fixed max = std::numeric_limits<xt::Fixed>::max();
    constexpr xt::Fixed min = std::numeric_limits<xt::Fixed>::min();
    struct Case {
        xt::Fixed a;
        xt::Fixed b;
        xt::Fixed product;
        xt::Fixed quotient;
    };
    const Case cases[] = {
        {2 * one, 3 * one, 6 * one, 0xAAAB},         // 2/3 rounds up in its last bit
        {36 * one, one / 2, 18 * one, 72 * one},
        {-3 * one, one / 4, -3 * one / 4, -12 * one},
        {1, 1, 0, one},                              // 1/65536 squared rounds to 0
        {0x4000 * one, 0x4000 * one, max, one},      // the product saturates
        {-0x4000 * one, 0x4000 * one, min, -one},
        {5 * one, 0, 0, max},                        // division by zero saturates instead of trapping
        {-5 * one, 0, 0, min},
        {0, 0, 0, max},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hostOp<FixedMultiply>()(c.a, c.b), c.product) << c.a << " * " << c.b;
        EXPECT_EQ(hostOp<FixedDivide>()(c.a, c.b), c.quotient) << c.a << " / " << c.b;
    }
}

} // namespace
} // namespace host_tests
