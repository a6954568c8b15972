// Copying text chains with the pages that show them.
#include "host/model/pages/chain_copy.h"

#include <algorithm>

#include "host/model/composer/chain_layout.h"
#include "host/model/text/text_boxes.h"

namespace host::model {
namespace {

/// The story range the copied boxes of a chain show: from the first copied box's first character to the
/// end of the last copied box, or to the story's end when that box ends the chain (overset text stays
/// overset in the copy, as it is in the source).
TextRange shownRange(const Layout& layout, const Story& story, const std::vector<int32_t>& chain, const std::vector<int32_t>& copied)
{
    if (copied.size() == chain.size())
        return {0, story.length()};
    const auto composed = ChainLayout::of(layout.stories(), chain.front(), [&](int32_t box) { return textFrameOf(layout, box); });
    if (!composed)
        return {0, story.length()};
    const auto last = std::find(chain.begin(), chain.end(), copied.back());
    const int32_t end = last + 1 == chain.end() ? story.length() : composed->firstOffset(*(last + 1));
    return {composed->firstOffset(copied.front()), std::max(end, composed->firstOffset(copied.front()))};
}

} // namespace

std::vector<ChainCopy> chainsOf(const Layout& layout, const std::set<int32_t>& boxes)
{
    std::vector<ChainCopy> chains;
    std::set<int32_t> seen;
    for (int32_t box : boxes) {
        const Story* story = layout.stories().storyOfBox(box);
        if (!story || !seen.insert(story->ref()).second)
            continue;
        const std::vector<int32_t>& chain = layout.stories().chain(story->ref());
        if (chain.size() < 2)
            continue;
        ChainCopy copy;
        for (int32_t member : chain) {
            if (boxes.count(member) != 0)
                copy.boxes.push_back(member);
        }
        copy.text = copyText(*story, shownRange(layout, *story, chain, copy.boxes));
        chains.push_back(std::move(copy));
    }
    return chains;
}

void relinkChains(Layout& destination, const std::vector<ChainCopy>& chains, const std::map<int32_t, int32_t>& copies)
{
    for (const ChainCopy& chain : chains) {
        std::vector<int32_t> boxes;
        for (int32_t box : chain.boxes) {
            const auto found = copies.find(box);
            if (found != copies.end())
                boxes.push_back(found->second);
        }
        if (boxes.empty())
            continue;
        // A copied first box came with its whole story, a later one empty: each starts empty here.
        for (int32_t box : boxes) {
            if (Story* story = storyOfTextBox(destination, box))
                story->erase(0, story->length());
        }
        if (Story* first = storyOfTextBox(destination, boxes.front()))
            insertText(*first, 0, chain.text);
        for (size_t i = 1; i < boxes.size(); ++i)
            linkTextBoxes(destination, boxes[i - 1], boxes[i]);
    }
}

void pairCopies(const ItemStore& from, int32_t source, const ItemStore& to, int32_t copy, std::map<int32_t, int32_t>& pairs)
{
    const Item* original = from.find(source);
    const Item* made = to.find(copy);
    if (!original || !made)
        return;
    pairs[source] = copy;
    // Members are built in order; a member that could not be built leaves the rest unpaired.
    if (original->members().size() != made->members().size())
        return;
    for (size_t i = 0; i < made->members().size(); ++i)
        pairCopies(from, original->members()[i], to, made->members()[i], pairs);
}

} // namespace host::model
