// A layout's chains, text and data blocks kept and put back for an undo step.
#include "host/model/text/kept_chains.h"

#include <algorithm>
#include <cstring>
#include <nlohmann/json.hpp>

#include "host/model/document_model.h"
#include "host/model/text/text_boxes.h"
#include "host/model/text_json.h"

namespace host::model {
namespace {

template <class Runs>
bool sameRuns(const Runs& a, const Runs& b)
{
    if (a.runCount() != b.runCount())
        return false;
    for (size_t i = 0; i < a.runCount(); ++i) {
        if (a.startOfRun(i) != b.startOfRun(i) || !(a.valueOfRun(i) == b.valueOfRun(i)))
            return false;
    }
    return true;
}

/// What a save writes of a story: its text, runs, anchors and selection.
bool sameStory(const Story& a, const Story& b)
{
    return a.length() == b.length() && a.selection() == b.selection() && a.anchors() == b.anchors()
        && a.text() == b.text() && sameRuns(a.characterRuns(), b.characterRuns())
        && sameRuns(a.paragraphRuns(), b.paragraphRuns());
}

/// The stories a save writes: a one-box story holding nothing a fresh one would not is left out of the
/// file (it is made again when the box is read), so reading a box changes nothing saved.
std::map<int32_t, const Story*> savedStories(const StoryStore::Contents& contents)
{
    std::map<int32_t, const Story*> saved;
    for (const auto& [ref, story] : contents.stories) {
        const auto chain = contents.chains.find(ref);
        const bool oneBox = chain != contents.chains.end() && chain->second.size() == 1;
        if (oneBox && sameStory(story, Story(ref)))
            continue;
        saved.emplace(ref, &story);
    }
    return saved;
}

bool sameFields(const std::map<int32_t, xt::TextFields>& a, const std::map<int32_t, xt::TextFields>& b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
               return x.first == y.first && std::memcmp(&x.second, &y.second, sizeof(xt::TextFields)) == 0;
           });
}

std::vector<int32_t> chainOf(const StoryStore::Contents& contents, int32_t story)
{
    const auto chain = contents.chains.find(story);
    return chain == contents.chains.end() ? std::vector<int32_t>{} : chain->second;
}

} // namespace

KeptChains keepChains(const Layout& layout)
{
    KeptChains kept{layout.stories().contents(), {}, layout.dataBlocks().contents(), {}};
    nlohmann::ordered_json blocks = nlohmann::ordered_json::object();
    writeLayoutDataBlocks(layout, blocks);
    kept.savedBlocks = blocks.dump();
    for (int32_t ref : layout.items().stackingOrder()) {
        const Item* item = layout.items().find(ref);
        if (item && isTextItem(layout, ref))
            kept.boxFields.emplace(ref, item->text());
    }
    return kept;
}

bool sameAsSaved(const KeptChains& a, const KeptChains& b)
{
    if (a.savedBlocks != b.savedBlocks || !sameFields(a.boxFields, b.boxFields))
        return false;
    const auto storiesA = savedStories(a.stories);
    const auto storiesB = savedStories(b.stories);
    if (storiesA.size() != storiesB.size())
        return false;
    for (const auto& [ref, story] : storiesA) {
        const auto other = storiesB.find(ref);
        if (other == storiesB.end() || chainOf(a.stories, ref) != chainOf(b.stories, ref)
            || !sameStory(*story, *other->second))
            return false;
    }
    return true;
}

void putBackChains(Layout& layout, const KeptChains& kept)
{
    layout.stories().restore(kept.stories);
    // A box deleted since the state was kept leaves its chain, as a deletion does.
    for (const auto& [box, story] : kept.stories.chainOf) {
        if (!layout.items().find(box))
            layout.stories().removeTextBox(box);
    }
    layout.dataBlocks().restore(kept.blocks);
    for (const auto& [ref, fields] : kept.boxFields) {
        if (Item* item = layout.items().find(ref))
            item->setText(fields);
    }
}

} // namespace host::model
