// Relocatable memory blocks behind host handles and GlobalAlloc: blocks really move when they grow.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <unordered_set>
#include <vector>

#include "win32/internal.h"
#include "win32/standin.h"
#include "win32/windows.h"

namespace win32 {
namespace {

/// The master pointer comes first, so the handle is the block record's address.
struct Block {
    char* data = nullptr;
    int32_t size = 0;
    uint8_t state = 0;
    bool live = false;
    ~Block() { std::free(data); }
};
static_assert(offsetof(Block, data) == 0);

/// The block records, in chunks that never move. A handle is known when it is the address of a
/// record in use, which a search among the few chunks tells, however many blocks a session holds
/// (an undo list holds one per item it recorded). A freed record is reused first.
class BlockTable {
public:
    Block* make()
    {
        if (m_free.empty())
            addChunk();
        Block* block = m_free.back();
        m_free.pop_back();
        block->live = true;
        ++m_live;
        return block;
    }

    void dispose(Block* block)
    {
        std::free(block->data);
        *block = Block{};
        m_free.push_back(block);
        --m_live;
    }

    Block* find(xt::Handle handle) const
    {
        const auto address = reinterpret_cast<uintptr_t>(handle);
        // Handles are mostly used near the one used last, so its chunk is tried before the search.
        if (m_lastChunk >= m_chunks.size() || !within(m_chunks[m_lastChunk], address)) {
            auto after = std::upper_bound(m_chunks.begin(), m_chunks.end(), address,
                [](uintptr_t a, const Chunk& chunk) { return a < chunk.start; });
            if (after == m_chunks.begin())
                return nullptr;
            m_lastChunk = static_cast<size_t>(std::prev(after) - m_chunks.begin());
        }
        const Chunk& chunk = m_chunks[m_lastChunk];
        const uintptr_t offset = address - chunk.start;
        if (!within(chunk, address) || offset % sizeof(Block) != 0)
            return nullptr;
        Block* block = chunk.blocks.get() + offset / sizeof(Block);
        return block->live ? block : nullptr;
    }

    size_t size() const { return m_live; }

private:
    static constexpr size_t kChunkSize = 1024;
    struct Chunk {
        uintptr_t start;
        std::unique_ptr<Block[]> blocks;
    };

    static bool within(const Chunk& chunk, uintptr_t address)
    {
        return address >= chunk.start && address - chunk.start < kChunkSize * sizeof(Block);
    }

    void addChunk()
    {
        Chunk chunk{0, std::make_unique<Block[]>(kChunkSize)};
        chunk.start = reinterpret_cast<uintptr_t>(chunk.blocks.get());
        for (size_t i = kChunkSize; i-- > 0;)
            m_free.push_back(chunk.blocks.get() + i);
        auto place = std::upper_bound(m_chunks.begin(), m_chunks.end(), chunk.start,
            [](uintptr_t a, const Chunk& c) { return a < c.start; });
        m_chunks.insert(place, std::move(chunk));
    }

    std::vector<Chunk> m_chunks;  // by address
    std::vector<Block*> m_free;
    size_t m_live = 0;
    mutable size_t m_lastChunk = 0;
};

struct MemoryState {
    BlockTable blocks;
    std::unordered_set<void*> pointers;
    int16_t error = kMemoryOk;
    int32_t failCountdown = 0;
    bool moveOnEveryResize = false;

    ~MemoryState()
    {
        for (void* pointer : pointers)
            std::free(pointer);
    }
};

MemoryState& memory()
{
    static MemoryState state;
    return state;
}

/// Counts an allocation against a planned failure.
bool allocationRefused()
{
    auto& state = memory();
    if (state.failCountdown <= 0)
        return false;
    return --state.failCountdown == 0;
}

/// A zero-filled allocation of at least one byte, or null.
char* allocate(int32_t size)
{
    if (allocationRefused() || size > kMaxBlockSize)
        return nullptr;
    return static_cast<char*>(std::calloc(static_cast<size_t>(size > 0 ? size : 1), 1));
}

Block* findBlock(xt::Handle handle)
{
    auto& state = memory();
    if (!handle) {
        state.error = kNilHandle;
        return nullptr;
    }
    Block* block = state.blocks.find(handle);
    if (!block)
        state.error = kBadHandle;
    return block;
}

bool moveBlock(Block& block, int32_t size)
{
    char* moved = allocate(size);
    if (!moved) {
        memory().error = kMemoryFull;
        return false;
    }
    std::memcpy(moved, block.data, static_cast<size_t>(size < block.size ? size : block.size));
    std::free(block.data);
    block.data = moved;
    block.size = size;
    return true;
}

} // namespace

xt::Handle newHandle(int32_t size)
{
    auto& state = memory();
    if (size < 0) {
        state.error = kBadSize;
        return nullptr;
    }
    char* data = allocate(size);
    if (!data) {
        state.error = kMemoryFull;
        return nullptr;
    }
    Block* block = state.blocks.make();
    block->data = data;
    block->size = size;
    state.error = kMemoryOk;
    return &block->data;
}

void disposeHandle(xt::Handle handle)
{
    Block* block = findBlock(handle);
    if (!block)
        return;
    memory().blocks.dispose(block);
    memory().error = kMemoryOk;
}

int32_t handleSize(xt::Handle handle)
{
    Block* block = findBlock(handle);
    if (!block)
        return -1;
    memory().error = kMemoryOk;
    return block->size;
}

bool setHandleSize(xt::Handle handle, int32_t size)
{
    Block* block = findBlock(handle);
    if (!block)
        return false;
    auto& state = memory();
    if (size < 0) {
        state.error = kBadSize;
        return false;
    }
    const bool locked = (block->state & kHandleLocked) != 0;
    const bool grows = size > block->size;
    if (locked && grows) {
        state.error = kMemoryFull;
        return false;
    }
    if (!locked && (grows || state.moveOnEveryResize)) {
        if (!moveBlock(*block, size))
            return false;
    } else {
        // A shrinking block keeps its place; the bytes past the new size are no longer the caller's.
        block->size = size;
    }
    state.error = kMemoryOk;
    return true;
}

void lockHandle(xt::Handle handle)
{
    if (Block* block = findBlock(handle)) {
        block->state |= kHandleLocked;
        memory().error = kMemoryOk;
    }
}

void unlockHandle(xt::Handle handle)
{
    if (Block* block = findBlock(handle)) {
        block->state &= static_cast<uint8_t>(~kHandleLocked);
        memory().error = kMemoryOk;
    }
}

uint8_t handleState(xt::Handle handle)
{
    Block* block = findBlock(handle);
    if (!block)
        return 0;
    memory().error = kMemoryOk;
    return block->state;
}

void setHandleState(xt::Handle handle, uint8_t state)
{
    if (Block* block = findBlock(handle)) {
        block->state = state;
        memory().error = kMemoryOk;
    }
}

bool isHandle(xt::Handle handle)
{
    return handle && memory().blocks.find(handle) != nullptr;
}

xt::Handle copyHandle(xt::Handle handle)
{
    Block* block = findBlock(handle);
    if (!block)
        return nullptr;
    const int32_t size = block->size;
    xt::Handle copy = newHandle(size);
    if (!copy)
        return nullptr;
    // The source cannot have moved: a new handle never moves other blocks.
    std::memcpy(*copy, block->data, static_cast<size_t>(size));
    return copy;
}

char* newPointer(int32_t size)
{
    auto& state = memory();
    if (size < 0) {
        state.error = kBadSize;
        return nullptr;
    }
    char* pointer = allocate(size);
    if (!pointer) {
        state.error = kMemoryFull;
        return nullptr;
    }
    state.pointers.insert(pointer);
    state.error = kMemoryOk;
    return pointer;
}

void disposePointer(void* pointer)
{
    auto& state = memory();
    if (!pointer || state.pointers.erase(pointer) == 0) {
        state.error = pointer ? kBadHandle : kNilHandle;
        return;
    }
    std::free(pointer);
    state.error = kMemoryOk;
}

int16_t memoryError()
{
    return memory().error;
}

void setMemoryError(int16_t error)
{
    memory().error = error;
}

void failAllocation(int32_t n)
{
    memory().failCountdown = n > 0 ? n : 0;
}

void setMoveOnEveryResize(bool on)
{
    memory().moveOnEveryResize = on;
}

size_t liveHandleCount()
{
    return memory().blocks.size();
}

} // namespace win32

extern "C" HGLOBAL GlobalAlloc(UINT /*flags*/, SIZE_T bytes)
{
    // Every block is movable and zero-filled, whatever the flags ask: the plug-ins only ask for that.
    if (bytes > static_cast<SIZE_T>(win32::kMaxBlockSize)) {
        win32::detail::setLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    HGLOBAL handle = win32::newHandle(static_cast<int32_t>(bytes));
    if (!handle)
        win32::detail::setLastError(ERROR_NOT_ENOUGH_MEMORY);
    return handle;
}

extern "C" HGLOBAL GlobalFree(HGLOBAL memory)
{
    if (!memory)
        return nullptr;
    if (!win32::isHandle(memory)) {
        win32::detail::setLastError(ERROR_INVALID_HANDLE);
        return memory;
    }
    win32::disposeHandle(memory);
    return nullptr;
}
