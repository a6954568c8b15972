// XtData blocks: plug-in data kept under four-letter ids by a holder (a box, a box's second holder,
// a page, a layout, or the host's global holder).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "host/model/reference_allocator.h"
#include "xtapi/types.h"

namespace host::model {

using DataBlock = std::vector<uint8_t>;

class DataBlockHolder {
public:
    bool has(xt::FourLetterCode id) const { return m_blocks.count(id) != 0; }
    const DataBlock* find(xt::FourLetterCode id) const;
    /// Stores the block under `id`, replacing one that is there.
    void set(xt::FourLetterCode id, DataBlock bytes) { m_blocks[id] = std::move(bytes); }
    /// False when there was no block to remove.
    bool remove(xt::FourLetterCode id) { return m_blocks.erase(id) != 0; }
    bool empty() const { return m_blocks.empty(); }
    const std::map<xt::FourLetterCode, DataBlock>& blocks() const { return m_blocks; }

private:
    std::map<xt::FourLetterCode, DataBlock> m_blocks;
};

/// What a holder belongs to; the numbers are the levels that choose it.
enum class HolderKind : uint8_t { Box = 0, BoxSecond = 1, Page = 2, Document = 4, Global = 6 };

/// The holders of one layout (or of the host), each known by a reference of its own.
class DataBlockStore {
public:
    explicit DataBlockStore(ReferenceAllocator& references) : m_references(&references) {}
    DataBlockStore(const DataBlockStore&) = delete;
    DataBlockStore& operator=(const DataBlockStore&) = delete;

    /// The reference of the holder of (kind, object), made on first request; the same reference after.
    int32_t holderRef(HolderKind kind, int32_t object);
    DataBlockHolder* holder(int32_t ref);
    const DataBlockHolder* holder(HolderKind kind, int32_t object) const;

    struct Owner {
        HolderKind kind;
        int32_t object;
    };
    std::optional<Owner> ownerOf(int32_t ref) const;

    /// Forgets the holders of an object that is gone (a deleted item or page).
    void forgetObject(int32_t object);

    /// Every holder that holds blocks, in the order they were made, for saving.
    std::vector<std::pair<Owner, const DataBlockHolder*>> filledHolders() const;

private:
    struct Entry {
        Owner owner;
        DataBlockHolder holder;
    };

public:
    /// Every holder with its blocks, as an undo step keeps them to put back whole.
    struct Contents {
        std::map<int32_t, Entry> holders;
        std::map<std::pair<uint8_t, int32_t>, int32_t> byOwner;
    };
    Contents contents() const { return {m_holders, m_byOwner}; }
    void restore(const Contents& kept)
    {
        m_holders = kept.holders;
        m_byOwner = kept.byOwner;
    }

private:

    ReferenceAllocator* m_references;
    std::map<int32_t, Entry> m_holders;                        // by holder reference
    std::map<std::pair<uint8_t, int32_t>, int32_t> m_byOwner;  // (kind, object) -> holder reference
};

} // namespace host::model
