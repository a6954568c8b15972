// The relocatable memory manager: blocks that move, locks that pin them, failures that say so.
#include <gtest/gtest.h>

#include <cstring>

#include "win32/standin.h"
#include "win32/windows.h"

namespace {

class MemoryTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        win32::setMoveOnEveryResize(false);
        win32::failAllocation(0);
    }
};

TEST_F(MemoryTest, NewHandleIsZeroFilledAndSized)
{
    xt::Handle handle = win32::newHandle(16);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(win32::handleSize(handle), 16);
    EXPECT_EQ(std::memcmp(*handle, "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16), 0);
    EXPECT_EQ(win32::memoryError(), win32::kMemoryOk);
    win32::disposeHandle(handle);
    EXPECT_FALSE(win32::isHandle(handle));
}

TEST_F(MemoryTest, UnlockedBlockMovesWhenItGrowsAndKeepsItsBytes)
{
    xt::Handle handle = win32::newHandle(8);
    std::memcpy(*handle, "abcdefgh", 8);
    const char* before = *handle;
    ASSERT_TRUE(win32::setHandleSize(handle, 4096));
    EXPECT_NE(*handle, before) << "a pointer taken before growth must go stale";
    EXPECT_EQ(std::memcmp(*handle, "abcdefgh", 8), 0);
    EXPECT_EQ((*handle)[4095], 0) << "the grown part is zero-filled";
    win32::disposeHandle(handle);
}

TEST_F(MemoryTest, LockedBlockNeverMovesAndCannotGrow)
{
    xt::Handle handle = win32::newHandle(8);
    win32::lockHandle(handle);
    const char* before = *handle;
    EXPECT_FALSE(win32::setHandleSize(handle, 64));
    EXPECT_EQ(win32::memoryError(), win32::kMemoryFull);
    EXPECT_EQ(win32::handleSize(handle), 8);
    EXPECT_TRUE(win32::setHandleSize(handle, 4)) << "shrinking in place is fine";
    EXPECT_EQ(*handle, before);
    win32::disposeHandle(handle);
}

TEST_F(MemoryTest, StateByteKeepsTheLockBitAndRestoresExactly)
{
    xt::Handle handle = win32::newHandle(4);
    EXPECT_EQ(win32::handleState(handle), 0);
    win32::lockHandle(handle);
    const uint8_t locked = win32::handleState(handle);
    EXPECT_EQ(locked & win32::kHandleLocked, win32::kHandleLocked);
    win32::unlockHandle(handle);
    EXPECT_EQ(win32::handleState(handle), 0);
    win32::setHandleState(handle, locked);
    EXPECT_FALSE(win32::setHandleSize(handle, 100)) << "the restored state is locked again";
    win32::disposeHandle(handle);
}

TEST_F(MemoryTest, DebugSwitchMovesOnEveryResize)
{
    xt::Handle handle = win32::newHandle(64);
    win32::setMoveOnEveryResize(true);
    const char* before = *handle;
    ASSERT_TRUE(win32::setHandleSize(handle, 32));
    EXPECT_NE(*handle, before);
    win32::disposeHandle(handle);
}

TEST_F(MemoryTest, PlannedFailureLeavesTheBlockAndSetsTheError)
{
    xt::Handle handle = win32::newHandle(8);
    std::memcpy(*handle, "12345678", 8);
    win32::failAllocation(1);
    EXPECT_FALSE(win32::setHandleSize(handle, 100));
    EXPECT_EQ(win32::memoryError(), win32::kMemoryFull);
    EXPECT_EQ(win32::handleSize(handle), 8);
    EXPECT_EQ(std::memcmp(*handle, "12345678", 8), 0);

    win32::failAllocation(2);
    xt::Handle first = win32::newHandle(1);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(win32::newHandle(1), nullptr) << "the second allocation from the plan fails";
    EXPECT_EQ(win32::memoryError(), win32::kMemoryFull);
    win32::disposeHandle(first);
    win32::disposeHandle(handle);
}

TEST_F(MemoryTest, BadArgumentsAreRefusedWithTheirErrors)
{
    EXPECT_EQ(win32::newHandle(-1), nullptr);
    EXPECT_EQ(win32::memoryError(), win32::kBadSize);
    EXPECT_EQ(win32::newHandle(win32::kMaxBlockSize + 1), nullptr);
    EXPECT_EQ(win32::memoryError(), win32::kMemoryFull);
    EXPECT_EQ(win32::handleSize(nullptr), -1);
    EXPECT_EQ(win32::memoryError(), win32::kNilHandle);
    char* stray = nullptr;
    EXPECT_FALSE(win32::setHandleSize(&stray, 4));
    EXPECT_EQ(win32::memoryError(), win32::kBadHandle);
    win32::disposePointer(&stray);
    EXPECT_EQ(win32::memoryError(), win32::kBadHandle);
}

TEST_F(MemoryTest, CopyHandleCopiesTheWholeBlock)
{
    xt::Handle handle = win32::newHandle(5);
    std::memcpy(*handle, "hello", 5);
    xt::Handle copy = win32::copyHandle(handle);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(*copy, *handle);
    EXPECT_EQ(win32::handleSize(copy), 5);
    EXPECT_EQ(std::memcmp(*copy, "hello", 5), 0);
    win32::disposeHandle(copy);
    win32::disposeHandle(handle);
}

TEST_F(MemoryTest, GlobalAllocGivesHostHandles)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(void*));
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(win32::isHandle(block));
    EXPECT_EQ(*reinterpret_cast<void**>(*block), nullptr);
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_EQ(GlobalFree(block), block) << "a freed block cannot be freed again";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

} // namespace
