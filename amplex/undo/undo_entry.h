// The records of Amplex's own undo: one UndoEntry per item recorded before a scale changed it, and
// the run nodes that keep a text box's character and paragraph attributes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/box_record.h"
#include "xtapi/text_records.h"
#include "xtapi/types.h"

namespace amplex {

// The records live in host memory blocks for the length of a session and are never written to a
// file; the 32-bit handle and pointer slots of the original layout widen to 64 bits.
static_assert(sizeof(void*) == 8, "the undo records are laid out for 64-bit pointers");

/// One character run of a recorded text box: its story range and its attributes.
struct CharRunNode {
    CharRunNode* next;                 // 0: null for the last
    int32_t start;                     // 8: story offset of the first character
    int32_t end;                       // 12: one past the last
    xt::CharacterRecord attributes;    // 16
};
static_assert(offsetof(CharRunNode, start) == 8);
static_assert(offsetof(CharRunNode, attributes) == 16);
static_assert(sizeof(CharRunNode) == 128);

/// One paragraph run of a recorded text box, with its tab stops when it has any.
struct ParaRunNode {
    ParaRunNode* next;                 // 0
    int32_t start;                     // 8
    int32_t end;                       // 12
    xt::ParagraphRecord attributes;    // 16: 148 bytes
    xt::TabList tabs;                  // 164: count and a handle this node owns; the handle at 168
    uint8_t hasTabs;                   // 176: 1 when `tabs` holds the paragraph's tab stops
    uint8_t reserved177[7];            // 177
};
static_assert(offsetof(ParaRunNode, attributes) == 16);
static_assert(offsetof(ParaRunNode, tabs) == 164);
static_assert(offsetof(ParaRunNode, tabs) + offsetof(xt::TabList, entries) == 168);
static_assert(offsetof(ParaRunNode, hasTabs) == 176);
static_assert(sizeof(ParaRunNode) == 184);

inline constexpr size_t kShapeDataKept = 24;

/// The state of one item before a scale changed it. Each entry lies in a host handle of its own;
/// `next` links them in recording order.
struct UndoEntry {
    int16_t kind;                      // 0: byte 40 of the item's record
    int16_t shape;                     // 2: byte 41
    int32_t item;                      // 4
    uint8_t AnchoredItem;              // 8: anchored in a story; restored with its story
    uint8_t ReplayItem;                // 9: redo scales it again on its own
    uint8_t reserved10[6];             // 10
    xt::Handle next;                   // 16: the next entry's handle, null for the last
    xt::BoxRecord boxRecord;           // 24: the item's whole host record
    uint8_t reserved562[2];            // 562
    uint8_t shapeData[kShapeDataKept]; // 564: the head of a shaped item's data (size, rectangle, count)
    xt::FixedPoint fitOffset;          // 588: the `FitOffset` in force (dy, dx)
    int16_t charRunCount;              // 596
    int16_t paraRunCount;              // 598
    CharRunNode* charRuns;             // 600: text boxes only
    ParaRunNode* paraRuns;             // 608
    int32_t selectionStart;            // 616: the story's text selection, which undo gives back too
    int32_t selectionEnd;              // 620
};
static_assert(offsetof(UndoEntry, item) == 4);
static_assert(offsetof(UndoEntry, AnchoredItem) == 8);
static_assert(offsetof(UndoEntry, ReplayItem) == 9);
static_assert(offsetof(UndoEntry, next) == 16);
static_assert(offsetof(UndoEntry, boxRecord) == 24);
static_assert(offsetof(UndoEntry, shapeData) == 564);
static_assert(offsetof(UndoEntry, fitOffset) == 588);
static_assert(offsetof(UndoEntry, charRunCount) == 596);
static_assert(offsetof(UndoEntry, charRuns) == 600);
static_assert(offsetof(UndoEntry, paraRuns) == 608);
static_assert(offsetof(UndoEntry, selectionStart) == 616);
static_assert(sizeof(UndoEntry) == 624);

} // namespace amplex
