// What an undo step around a change of chains keeps of a layout: every story with the boxes that show
// it, each text box's text fields (its "runs on" flag follows its chain), and the data blocks plug-ins
// keep on items, pages and the layout (a record naming the box a chain ran to is one).
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "host/model/data_blocks.h"
#include "host/model/text/story_store.h"
#include "xtapi/box_record.h"

namespace host::model {

class Layout;

struct KeptChains {
    StoryStore::Contents stories;
    std::map<int32_t, xt::TextFields> boxFields;
    DataBlockStore::Contents blocks;
    /// The data blocks as they would be saved: two keeps with equal texts hold the same blocks.
    std::string savedBlocks;
};

KeptChains keepChains(const Layout& layout);
/// Puts the kept state back whole; the boxes still there get their kept fields.
void putBackChains(Layout& layout, const KeptChains& kept);
/// True when a save would write the same text, chains, box fields and blocks for both keeps. Compared
/// value by value rather than as saved text: a command keeps the layout twice, and writing out a long
/// story each time would cost far more than the command.
bool sameAsSaved(const KeptChains& a, const KeptChains& b);

} // namespace host::model
