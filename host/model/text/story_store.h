// A layout's stories and the chains of linked text boxes that show them. Each text box belongs to
// exactly one chain; a chain shows one story, box after box.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
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

/// Stories as they were before an undo step first changed them: only those the step changed, each
/// whole. `open` while the step may still change more.
struct KeptStories {
    std::map<int32_t, Story> stories;
    bool open = true;
    /// A step that keeps chains besides keeps, for each story whose text or chain it changed, the boxes
    /// that showed it before its first change; nullopt for a story made meanwhile. Its story is then in
    /// `stories` whenever it had boxes.
    bool withChains = false;
    std::map<int32_t, std::optional<std::vector<int32_t>>> chains;
};

class StoryStore final : private StoryWatcher {
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
    /// From now on, keeps in `kept` a copy of each story as it is before its first change, until
    /// `kept` is closed or stopKeeping. Stories made meanwhile are not kept: they had no earlier state.
    void keepChangesIn(std::shared_ptr<KeptStories> kept);
    /// Stops keeping into `kept` (when that is what the store keeps into).
    void stopKeeping(const KeptStories* kept);
    /// Exchanges each kept story, whole with its runs and selection, with the layout's story of the
    /// same reference; a story the layout no longer has is skipped. Undo and Redo are both this
    /// exchange: afterwards `kept` holds what the layout held.
    void exchange(std::map<int32_t, Story>& kept);
    /// Exchanges each story a chain step kept, with the boxes that show it, as `exchange` does; a
    /// box a kept chain claims leaves the chain it is in now. Returns every box whose chain this may
    /// have changed; a box left in none has no story until it is next asked for.
    std::vector<int32_t> exchangeChains(KeptStories& kept);
    /// True when each story a chain step kept is, with its boxes, as it is now, counting a lone box's
    /// story that holds nothing a fresh one would not as no story (a save leaves it out).
    bool sameAsKept(const KeptStories& kept) const;
    /// A new empty story shown by `boxes`, for a reader to fill; null when a box is a text box
    /// already, or no box is given.
    Story* restoreChain(const std::vector<int32_t>& boxes);

    /// A story taken out with its chain, to be put back later under its own reference.
    struct TakenStory {
        Story story;
        std::vector<int32_t> boxes;
    };
    /// Takes out the story shown by `box` with its whole chain; nullopt when the box shows none.
    std::optional<TakenStory> takeOut(int32_t box);
    /// Puts a story taken out back; false, with nothing changed, when its reference or a box is in use.
    bool putBack(TakenStory taken);
private:
    void storyWillChange(Story& story) override;
    /// In a step that keeps chains, keeps the story `ref` with its boxes before their first change.
    void keepChain(int32_t ref);
    /// Takes `box` out of the chain it is in, the story going with its last box.
    void detach(int32_t box);
    int32_t newStory();
    /// Moves the boxes [from, end of chain) of `story`'s chain into a new chain with an empty story.
    void moveTailToNewStory(int32_t story, size_t from);

    ReferenceAllocator* m_references;
    std::map<int32_t, Story> m_stories;
    std::map<int32_t, std::vector<int32_t>> m_chains; // story -> boxes
    std::map<int32_t, int32_t> m_chainOf;            // box -> story
    std::shared_ptr<KeptStories> m_keeping;
};

} // namespace host::model
