// Stories and text chains of a layout.
#include "host/model/text/story_store.h"

#include <algorithm>
#include <utility>

#include "host/model/text/text_piece.h"

namespace host::model {
namespace {

const std::vector<int32_t> kNoBoxes;

} // namespace

int32_t StoryStore::newStory()
{
    const int32_t ref = m_references->next();
    keepChain(ref);
    m_stories.emplace(ref, Story(ref));
    m_chains[ref] = {};
    return ref;
}

bool StoryStore::addTextBox(int32_t box)
{
    if (box == 0 || isTextBox(box))
        return false;
    const int32_t story = newStory();
    m_chains[story].push_back(box);
    m_chainOf[box] = story;
    return true;
}

void StoryStore::removeTextBox(int32_t box)
{
    auto found = m_chainOf.find(box);
    if (found == m_chainOf.end())
        return;
    keepChain(found->second);
    detach(box);
}

void StoryStore::detach(int32_t box)
{
    auto found = m_chainOf.find(box);
    if (found == m_chainOf.end())
        return;
    const int32_t story = found->second;
    auto& boxes = m_chains[story];
    boxes.erase(std::find(boxes.begin(), boxes.end(), box));
    m_chainOf.erase(found);
    if (!boxes.empty())
        return;
    m_chains.erase(story);
    m_stories.erase(story);
}

bool StoryStore::link(int32_t box, int32_t next)
{
    if (!isTextBox(box) || !isTextBox(next) || box == next || nextBox(box) != 0 || previousBox(next) != 0)
        return false;
    const int32_t target = m_chainOf[box];
    const int32_t source = m_chainOf[next];
    if (source == target)
        return false;
    keepChain(target);
    keepChain(source);
    Story& into = m_stories.at(target);
    const Story& from = m_stories.at(source);
    if (from.length() > 0)
        insertText(into, into.length(), copyText(from, {0, from.length()}));
    auto& boxes = m_chains[target];
    for (int32_t moved : m_chains[source]) {
        boxes.push_back(moved);
        m_chainOf[moved] = target;
    }
    m_chains.erase(source);
    m_stories.erase(source);
    return true;
}

bool StoryStore::unlink(int32_t box)
{
    auto found = m_chainOf.find(box);
    if (found == m_chainOf.end() || m_chains[found->second].size() < 2)
        return false;
    keepChain(found->second);
    auto& boxes = m_chains[found->second];
    boxes.erase(std::find(boxes.begin(), boxes.end(), box));
    const int32_t story = newStory();
    m_chains[story].push_back(box);
    found->second = story;
    return true;
}

void StoryStore::moveTailToNewStory(int32_t story, size_t from)
{
    keepChain(story);
    const int32_t fresh = newStory();
    auto& boxes = m_chains[story];
    auto& moved = m_chains[fresh];
    moved.assign(boxes.begin() + static_cast<std::ptrdiff_t>(from), boxes.end());
    boxes.erase(boxes.begin() + static_cast<std::ptrdiff_t>(from), boxes.end());
    for (int32_t each : moved)
        m_chainOf[each] = fresh;
}

bool StoryStore::split(int32_t box, ChainSplit where)
{
    auto found = m_chainOf.find(box);
    if (found == m_chainOf.end())
        return false;
    const int32_t story = found->second;
    const auto& boxes = m_chains[story];
    const auto at = static_cast<size_t>(std::find(boxes.begin(), boxes.end(), box) - boxes.begin());
    switch (where) {
    case ChainSplit::RemoveBox:
        return unlink(box);
    case ChainSplit::BeforeBox:
        if (at == 0)
            return false;
        moveTailToNewStory(story, at);
        return true;
    case ChainSplit::AfterBox:
        if (at + 1 >= boxes.size())
            return false;
        moveTailToNewStory(story, at + 1);
        return true;
    }
    return false;
}

Story* StoryStore::storyOfBox(int32_t box)
{
    auto found = m_chainOf.find(box);
    return found == m_chainOf.end() ? nullptr : story(found->second);
}

const Story* StoryStore::storyOfBox(int32_t box) const
{
    auto found = m_chainOf.find(box);
    return found == m_chainOf.end() ? nullptr : story(found->second);
}

Story* StoryStore::story(int32_t ref)
{
    auto found = m_stories.find(ref);
    return found == m_stories.end() ? nullptr : &found->second;
}

const Story* StoryStore::story(int32_t ref) const
{
    auto found = m_stories.find(ref);
    return found == m_stories.end() ? nullptr : &found->second;
}

const std::vector<int32_t>& StoryStore::chain(int32_t storyRef) const
{
    auto found = m_chains.find(storyRef);
    return found == m_chains.end() ? kNoBoxes : found->second;
}

int32_t StoryStore::previousBox(int32_t box) const
{
    auto found = m_chainOf.find(box);
    if (found == m_chainOf.end())
        return 0;
    const auto& boxes = chain(found->second);
    auto at = std::find(boxes.begin(), boxes.end(), box);
    return at == boxes.begin() ? 0 : *(at - 1);
}

int32_t StoryStore::nextBox(int32_t box) const
{
    auto found = m_chainOf.find(box);
    if (found == m_chainOf.end())
        return 0;
    const auto& boxes = chain(found->second);
    auto at = std::find(boxes.begin(), boxes.end(), box);
    return at + 1 == boxes.end() ? 0 : *(at + 1);
}

void StoryStore::keepChangesIn(std::shared_ptr<KeptStories> kept)
{
    m_keeping = std::move(kept);
    for (auto& [ref, story] : m_stories)
        story.watchNextChange(this);
}

void StoryStore::stopKeeping(const KeptStories* kept)
{
    if (!m_keeping || m_keeping.get() != kept)
        return;
    m_keeping.reset();
    for (auto& [ref, story] : m_stories)
        story.watchNextChange(nullptr);
}

void StoryStore::storyWillChange(Story& story)
{
    // A step left open by a plug-in is closed without stopKeeping; its stories are complete then.
    if (!m_keeping || !m_keeping->open) {
        m_keeping.reset();
        return;
    }
    if (m_keeping->withChains)
        keepChain(story.ref());
    else
        m_keeping->stories.try_emplace(story.ref(), story);
}

void StoryStore::keepChain(int32_t ref)
{
    if (!m_keeping || !m_keeping->open || !m_keeping->withChains)
        return;
    auto [kept, first] = m_keeping->chains.try_emplace(ref);
    if (!first)
        return;
    const auto chain = m_chains.find(ref);
    const auto story = m_stories.find(ref);
    if (chain == m_chains.end() || story == m_stories.end())
        return;
    kept->second = chain->second;
    m_keeping->stories.try_emplace(ref, story->second);
}

void StoryStore::exchange(std::map<int32_t, Story>& kept)
{
    for (auto& [ref, story] : kept) {
        auto found = m_stories.find(ref);
        if (found != m_stories.end())
            std::swap(found->second, story);
    }
}

std::optional<StoryStore::TakenStory> StoryStore::takeOut(int32_t box)
{
    const auto found = m_chainOf.find(box);
    if (found == m_chainOf.end())
        return std::nullopt;
    const int32_t ref = found->second;
    keepChain(ref);
    TakenStory taken{std::move(m_stories.at(ref)), std::move(m_chains[ref])};
    for (int32_t shown : taken.boxes)
        m_chainOf.erase(shown);
    m_chains.erase(ref);
    m_stories.erase(ref);
    return taken;
}

bool StoryStore::putBack(TakenStory taken)
{
    const int32_t ref = taken.story.ref();
    if (m_stories.count(ref) != 0 || taken.boxes.empty())
        return false;
    for (int32_t box : taken.boxes) {
        if (isTextBox(box))
            return false;
    }
    keepChain(ref);
    for (int32_t box : taken.boxes)
        m_chainOf[box] = ref;
    m_chains[ref] = std::move(taken.boxes);
    m_stories.emplace(ref, std::move(taken.story));
    return true;
}

std::vector<int32_t> StoryStore::exchangeChains(KeptStories& kept)
{
    std::vector<int32_t> touched;
    for (const auto& [ref, boxes] : kept.chains) {
        const auto now = m_chains.find(ref);
        if (now == m_chains.end())
            continue;
        for (int32_t box : now->second) {
            m_chainOf.erase(box);
            touched.push_back(box);
        }
    }
    for (auto& [ref, boxes] : kept.chains) {
        std::optional<std::vector<int32_t>> nowBoxes;
        if (auto now = m_chains.find(ref); now != m_chains.end()) {
            nowBoxes = std::move(now->second);
            m_chains.erase(now);
        }
        auto nowStory = m_stories.extract(ref);
        auto keptStory = kept.stories.extract(ref);
        if (boxes && keptStory) {
            // A box the kept chain shows may have joined another chain since (a change no step kept).
            for (int32_t box : *boxes) {
                detach(box);
                m_chainOf[box] = ref;
                touched.push_back(box);
            }
            m_chains[ref] = std::move(*boxes);
            m_stories.insert(std::move(keptStory));
        }
        boxes = std::move(nowBoxes);
        if (boxes && nowStory)
            kept.stories.insert(std::move(nowStory));
        else
            boxes.reset();
    }
    return touched;
}

bool StoryStore::sameAsKept(const KeptStories& kept) const
{
    // What a save writes of a story: none for a lone box's story that a fresh one would equal.
    const auto written = [](const std::vector<int32_t>* boxes, const Story* story) {
        return boxes && story && !(boxes->size() == 1 && savedAlike(*story, Story(story->ref())));
    };
    for (const auto& [ref, boxes] : kept.chains) {
        const auto keptStory = kept.stories.find(ref);
        const Story* before = boxes && keptStory != kept.stories.end() ? &keptStory->second : nullptr;
        const auto now = m_chains.find(ref);
        const std::vector<int32_t>* nowBoxes = now == m_chains.end() ? nullptr : &now->second;
        const bool wasWritten = written(boxes ? &*boxes : nullptr, before);
        if (wasWritten != written(nowBoxes, story(ref)))
            return false;
        if (wasWritten && (*boxes != *nowBoxes || !savedAlike(*before, *story(ref))))
            return false;
    }
    return true;
}

Story* StoryStore::restoreChain(const std::vector<int32_t>& boxes)
{
    if (boxes.empty())
        return nullptr;
    for (int32_t box : boxes) {
        if (box == 0 || isTextBox(box) || std::count(boxes.begin(), boxes.end(), box) != 1)
            return nullptr;
    }
    const int32_t ref = newStory();
    m_chains[ref] = boxes;
    for (int32_t box : boxes)
        m_chainOf[box] = ref;
    return story(ref);
}

} // namespace host::model
