// Text chains copied with their pages. Boxes linked among the copied pages stay linked in the copy and
// hold their story whole. A chain that also runs through pages left behind is copied as the user sees
// it on the copied pages: the copies are linked in chain order and hold the text from the first copied
// box's first character to the last copied box's last (the rest of the story stays with the source).
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "host/model/document_model.h"
#include "host/model/text/text_piece.h"

namespace host::model {

struct ChainCopy {
    std::vector<int32_t> boxes; ///< the copied boxes of one chain, in chain order
    TextSnapshot text;          ///< what the copies hold
};

/// The chains of more than one box that `boxes` (text boxes of `layout`) are part of, read before
/// anything is copied.
std::vector<ChainCopy> chainsOf(const Layout& layout, const std::set<int32_t>& boxes);
/// Links the copies (source box -> copy) of each chain and gives them its text.
void relinkChains(Layout& destination, const std::vector<ChainCopy>& chains, const std::map<int32_t, int32_t>& copies);

/// Each source item of `from` and its members, paired with the copy built from it.
void pairCopies(const ItemStore& from, int32_t source, const ItemStore& to, int32_t copy, std::map<int32_t, int32_t>& pairs);

} // namespace host::model
