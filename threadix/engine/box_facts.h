// What the engine asks of a box: its kind, place, width, story, and where its text begins.
#pragma once

#include <cstdint>
#include <optional>

#include "xtapi/box_record.h"
#include "xtapi/types.h"

namespace threadix {

inline constexpr int32_t kItemTool = 0;
inline constexpr int32_t kContentTool = 1;

enum class BoxKind : uint8_t { Other, Group, Selection, Text };

/// A group, the stand-in for a selection of several items, a text box, or another item (Other, also for
/// an item the host does not know).
BoxKind boxKind(int32_t box);
/// The box's width (right edge minus left edge of its record); nullopt for an unknown item.
std::optional<xt::Fixed> widthOf(int32_t box);
/// Where the box lies: its spread (from 0) and page (from 1).
std::optional<xt::PlaceRecord> placeOf(int32_t box);

struct BoxText {
    int32_t story = 0;
    int32_t length = 0;
};
std::optional<BoxText> boxText(int32_t box);
/// Where the text the box shows begins in its story (the story's length when it shows none).
std::optional<int32_t> firstOffsetOf(int32_t box);

int32_t currentBox();
void makeCurrent(int32_t box);

/// The box before `box` in its chain, 0 at the chain's start.
int32_t boxBefore(int32_t box);
/// The box after `box` in its chain, 0 at the chain's end.
int32_t boxAfter(int32_t box);

/// The neighbours of a box in its chain, checked against what else the host tells of the box: a chain
/// question that fails answers as at the chain's ends, and work on a wrong answer would move text where
/// the user did not ask, so such an answer counts as a failed host call.
struct ChainNeighbours {
    int32_t before = 0;
    int32_t after = 0;
};
ChainNeighbours neighboursOf(int32_t box);

} // namespace threadix
