// A layout's chains, text and data blocks kept and put back for an undo step.
#include "host/model/text/kept_chains.h"

#include "host/model/document_model.h"
#include "host/model/text/text_boxes.h"

namespace host::model {

void keepChainsIn(Layout& layout, const std::shared_ptr<KeptChains>& kept)
{
    kept->stories.withChains = true;
    layout.stories().keepChangesIn(std::shared_ptr<KeptStories>(kept, &kept->stories));
    layout.dataBlocks().keepChangesIn(std::shared_ptr<KeptHolders>(kept, &kept->blocks));
}

void stopKeepingChains(Layout& layout, const KeptChains& kept)
{
    layout.stories().stopKeeping(&kept.stories);
    layout.dataBlocks().stopKeeping(&kept.blocks);
}

void closeKeptChains(KeptChains& kept)
{
    kept.stories.open = false;
    kept.blocks.open = false;
}

bool sameAsKept(const Layout& layout, const KeptChains& kept)
{
    return layout.stories().sameAsKept(kept.stories) && layout.dataBlocks().sameAsKept(kept.blocks);
}

void exchangeKeptChains(Layout& layout, KeptChains& kept)
{
    const std::vector<int32_t> touched = layout.stories().exchangeChains(kept.stories);
    layout.dataBlocks().exchange(kept.blocks);
    for (int32_t box : touched) {
        if (!layout.items().find(box))
            layout.stories().removeTextBox(box);
        else
            followChainWithRunsOnFlag(layout, box);
    }
}

} // namespace host::model
