// Keeping compositions: each is checked against a copy of what it was composed from, and composed
// again from the first place where the story or the chain's frames differ from that copy.
#include "host/model/composer/composition_cache.h"

#include <algorithm>
#include <cstring>

#include "host/model/composer/composer.h"

namespace host::model {
namespace {

/// Enough for the chains a command works on at once; each keeps a copy of its story's text.
constexpr size_t kMostEntries = 16;

template <class Value>
std::vector<std::pair<int32_t, Value>> runsOf(const RunList<Value>& list)
{
    std::vector<std::pair<int32_t, Value>> runs;
    runs.reserve(list.runCount());
    for (size_t i = 0; i < list.runCount(); ++i)
        runs.emplace_back(list.startOfRun(i), list.valueOfRun(i));
    return runs;
}

/// The first offset whose run differs between `kept` and `now`, or `length` when none does.
template <class Value>
int32_t firstRunChange(const std::vector<std::pair<int32_t, Value>>& kept, const RunList<Value>& now, int32_t length)
{
    const size_t common = std::min(kept.size(), now.runCount());
    for (size_t i = 0; i < common; ++i) {
        if (kept[i].first != now.startOfRun(i) || !(kept[i].second == now.valueOfRun(i)))
            return std::min(kept[i].first, now.startOfRun(i));
    }
    if (kept.size() != now.runCount())
        return common == 0 ? 0 : (common < kept.size() ? kept[common].first : now.startOfRun(common));
    return length;
}

/// The length of the longest common start of two texts, compared a block at a time.
int32_t commonStart(const std::u16string& kept, const std::u16string& now)
{
    constexpr size_t kBlock = 4096;
    const size_t common = std::min(kept.size(), now.size());
    size_t at = 0;
    while (at + kBlock <= common && std::memcmp(kept.data() + at, now.data() + at, kBlock * sizeof(char16_t)) == 0)
        at += kBlock;
    while (at < common && kept[at] == now[at])
        ++at;
    return static_cast<int32_t>(at);
}

} // namespace

CompositionCache::Entry& CompositionCache::entryFor(const Story& story)
{
    auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.story == &story; });
    if (found == m_entries.end()) {
        if (m_entries.size() < kMostEntries) {
            found = m_entries.emplace(m_entries.end());
        } else {
            found = std::min_element(m_entries.begin(), m_entries.end(),
                [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
            *found = Entry{};
        }
        found->story = &story;
    }
    found->lastUse = ++m_uses;
    return *found;
}

void CompositionCache::remember(Entry& entry, const Story& story, const std::vector<TextFrame>& frames)
{
    entry.text = story.text();
    entry.characterRuns = runsOf(story.characterRuns());
    entry.paragraphRuns = runsOf(story.paragraphRuns());
    entry.frames = frames;
}

std::shared_ptr<const Composition> CompositionCache::compositionOf(const Story& story, const std::vector<TextFrame>& frames)
{
    // An empty story's one line takes its height from the insertion point's type, which the runs do
    // not hold; it costs nothing to compose.
    if (story.length() == 0)
        return std::make_shared<const Composition>(compose(story, frames));
    Entry& entry = entryFor(story);
    if (!entry.composition) {
        entry.composition = std::make_shared<Composition>(compose(story, frames));
        remember(entry, story, frames);
        return entry.composition;
    }
    const std::u16string& text = story.text();
    const int32_t unchangedText = std::min({commonStart(entry.text, text),
        firstRunChange(entry.characterRuns, story.characterRuns(), story.length()),
        firstRunChange(entry.paragraphRuns, story.paragraphRuns(), story.length())});
    const auto firstFrameChange = std::mismatch(entry.frames.begin(), entry.frames.end(), frames.begin(), frames.end());
    const auto unchangedBoxes = static_cast<size_t>(firstFrameChange.first - entry.frames.begin());
    const bool same = unchangedText == story.length() && entry.text.size() == text.size() && unchangedBoxes == frames.size()
        && frames.size() == entry.frames.size();
    if (same)
        return entry.composition;
    // A caller still holding the old composition keeps it as it was.
    if (entry.composition.use_count() > 1)
        entry.composition = std::make_shared<Composition>(*entry.composition);
    recompose(*entry.composition, story, frames, unchangedText, unchangedBoxes);
    remember(entry, story, frames);
    return entry.composition;
}

CompositionCache& sharedCompositions()
{
    static CompositionCache compositions;
    return compositions;
}

} // namespace host::model
