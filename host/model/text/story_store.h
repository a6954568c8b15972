// A layout's stories and the chains of linked text boxes that show them. Each text box belongs to
// exactly one chain; a chain shows one story, box after box.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "host/model/reference_allocator.h"
#include "host/model/text/story.h"

namespace host::model {

/// Where a chain is split around one of its boxes.
enum class ChainSplit {
    RemoveBox,   ///< the box leaves; the boxes before and after it are joined
    BeforeBox,   ///< the link into the box is cut: the box starts a chain of its own with those after it
    AfterBox,    ///< the link out of the box is cut: the box after it starts a chain of its own
};

class StoryStore {
public:
    explicit StoryStore(ReferenceAllocator& references) : m_references(&references) {}
    StoryStore(const StoryStore&) = delete;
    StoryStore& operator=(const StoryStore&) = delete;

    /// Makes `box` a text box with a new, empty story of its own; false when it already is one.
    bool addTextBox(int32_t box);
    /// Forgets a text box (its item was deleted); the story goes with its last box.
    void removeTextBox(int32_t box);
    bool isTextBox(int32_t box) const { return m_chainOf.count(box) != 0; }

    /// Links `next` after `box`: `box` must end its chain and `next` start another one. The chain of
    /// `next` joins the chain of `box`, its story appended (with its attributes) to the story of `box`.
    /// False when the link is refused.
    bool link(int32_t box, int32_t next);
    /// Takes `box` out of its chain; the text stays with the chain and the box gets an empty story.
    bool unlink(int32_t box);
    /// Splits the chain of `box` at one of its links (see ChainSplit). The story, whole, stays with the
    /// part that starts the chain; the part split off gets a new, empty story. False, nothing changed,
    /// when there is no such link.
    bool split(int32_t box, ChainSplit where);

    Story* storyOfBox(int32_t box);
    const Story* storyOfBox(int32_t box) const;
    Story* story(int32_t ref);
    const Story* story(int32_t ref) const;
    /// The boxes showing a story, in chain order; empty for an unknown story.
    const std::vector<int32_t>& chain(int32_t storyRef) const;
    int32_t previousBox(int32_t box) const;
    int32_t nextBox(int32_t box) const;

    /// Every story with its chain, for saving; in story reference order.
    const std::map<int32_t, Story>& stories() const { return m_stories; }
    /// Puts back stories kept earlier (an undo step's copy), each whole with its runs and selection;
    /// a story the layout no longer has is skipped.
    void putBack(const std::map<int32_t, Story>& kept);
    /// A new empty story shown by `boxes`, for a reader to fill; null when a box is a text box
    /// already, or no box is given.
    Story* restoreChain(const std::vector<int32_t>& boxes);

    /// Every story with its chain, as an undo step keeps them to put back whole.
    struct Contents {
        std::map<int32_t, Story> stories;
        std::map<int32_t, std::vector<int32_t>> chains;
        std::map<int32_t, int32_t> chainOf;
    };
    Contents contents() const { return {m_stories, m_chains, m_chainOf}; }
    void restore(const Contents& kept);

private:
    int32_t newStory();
    /// Moves the boxes [from, end of chain) of `story`'s chain into a new chain with an empty story.
    void moveTailToNewStory(int32_t story, size_t from);

    ReferenceAllocator* m_references;
    std::map<int32_t, Story> m_stories;
    std::map<int32_t, std::vector<int32_t>> m_chains; // story -> boxes
    std::map<int32_t, int32_t> m_chainOf;            // box -> story
};

} // namespace host::model
