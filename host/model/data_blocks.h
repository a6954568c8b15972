// XtData blocks: plug-in data kept under four-letter ids by a holder (a box, a box's second holder,
// a page, a layout, or the host's global holder).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
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

struct DataBlockOwner {
    HolderKind kind;
    int32_t object;
};

/// A holder with what it belongs to.
struct OwnedHolder {
    DataBlockOwner owner;
    DataBlockHolder holder;
};

/// Holders as they were before an undo step first changed their blocks: only those the step changed;
/// nullopt for one made meanwhile. `open` while the step may still change more.
struct KeptHolders {
    std::map<int32_t, std::optional<OwnedHolder>> holders;
    bool open = true;
};

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

    using Owner = DataBlockOwner;
    std::optional<Owner> ownerOf(int32_t ref) const;

    /// Stores the block under `id` in the holder `ref`, replacing one that is there; false when there is
    /// no such holder.
    bool setBlock(int32_t ref, xt::FourLetterCode id, DataBlock bytes);
    /// Removes the block `id` of the holder `ref`; false when there was none.
    bool removeBlock(int32_t ref, xt::FourLetterCode id);
    /// Forgets the holders of an object that is gone (a deleted item or page).
    void forgetObject(int32_t object);

    /// From now on, keeps in `kept` each holder as it is before its first change, until `kept` is
    /// closed or stopKeeping.
    void keepChangesIn(std::shared_ptr<KeptHolders> kept) { m_keeping = std::move(kept); }
    void stopKeeping(const KeptHolders* kept);
    /// Exchanges each kept holder with the store's of the same reference: Undo and Redo are both this.
    void exchange(KeptHolders& kept);
    /// True when each kept holder holds the blocks it holds now (a holder that is not there holds none).
    bool sameAsKept(const KeptHolders& kept) const;

    /// Every holder that holds blocks, in the order they were made, for saving.
    std::vector<std::pair<Owner, const DataBlockHolder*>> filledHolders() const;

private:
    void keep(int32_t ref);

    ReferenceAllocator* m_references;
    std::map<int32_t, OwnedHolder> m_holders;                  // by holder reference
    std::map<std::pair<uint8_t, int32_t>, int32_t> m_byOwner;  // (kind, object) -> holder reference
    std::shared_ptr<KeptHolders> m_keeping;
};

} // namespace host::model
