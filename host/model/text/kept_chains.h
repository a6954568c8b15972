// What an undo step around a change of chains keeps of a layout: each story whose text or chain it
// changes, with the boxes that show it, and each data block holder whose blocks it changes (a record
// naming the box a chain ran to is one), all as they were before the step first changed them. A
// command thus keeps what it touches, not the whole layout.
#pragma once

#include <memory>

#include "host/model/data_blocks.h"
#include "host/model/text/story_store.h"

namespace host::model {

class Layout;

struct KeptChains {
    KeptStories stories;
    KeptHolders blocks;
};

/// From now on, keeps in `kept` what the layout's changes touch, until stopKeepingChains.
void keepChainsIn(Layout& layout, const std::shared_ptr<KeptChains>& kept);
void stopKeepingChains(Layout& layout, const KeptChains& kept);
/// The step is closed: it keeps nothing more, even when the layout was never told to stop.
void closeKeptChains(KeptChains& kept);
/// True when a save would write what the step kept as the layout holds it now.
bool sameAsKept(const Layout& layout, const KeptChains& kept);
/// Undo and Redo alike: the kept stories, chains and holders change places with the layout's. A box
/// deleted since leaves its chain, as a deletion does, and each box's "runs on" flag follows its chain.
void exchangeKeptChains(Layout& layout, KeptChains& kept);

} // namespace host::model
