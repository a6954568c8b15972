// The host records of pages, guides, page set-ups and style sheets that plug-ins read and write whole.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace xt {

/// While a layout window shows master pages, page numbers name master pages from this one up.
inline constexpr int32_t kFirstMasterIndex = 4;

/// GetPageInfo: the layout's page structure.
struct PageInfo {
    int16_t pageCount;    // 0: document pages
    int16_t masterCount;  // 2: master pages
    uint8_t facing;       // 4: 1 when the layout has facing pages (spreads of two)
    uint8_t reserved[3];  // 5
};
static_assert(sizeof(PageInfo) == 8);
static_assert(offsetof(PageInfo, masterCount) == 2);
static_assert(offsetof(PageInfo, facing) == 4);

/// Guide kinds and lists: a page list (set 0) and the list of the page's spread (set 1).
inline constexpr int32_t kGuideVertical = 1;
inline constexpr int32_t kGuideHorizontal = 2;
inline constexpr uint8_t kGuidePageSet = 0;
inline constexpr uint8_t kGuideSpreadSet = 1;
/// Flag bits of a guide: both lock bits are set or clear together; bit 2 marks a master page's guide.
inline constexpr uint16_t kGuideLocked = 0x3;
inline constexpr uint16_t kGuideOnMaster = 0x4;

/// One guide as the host hands it out and takes it back (GuideOp2627, GuideOp2630).
struct GuideEntry {
    Fixed position;         // 0: horizontal position of a vertical guide, vertical of a horizontal one, spread coordinates
    FourLetterCode colour;  // 4
    int32_t reserved1;      // 8
    uint16_t flags;         // 12
    uint16_t reserved2;     // 14
    uint8_t reserved3[20];  // 16: kept as given
    int32_t reserved4;      // 36
};
static_assert(sizeof(GuideEntry) == 40);
static_assert(offsetof(GuideEntry, colour) == 4);
static_assert(offsetof(GuideEntry, flags) == 12);

/// GuideOp2627 lists each guide this much (1 pt) higher than its place; callers take it off again.
inline constexpr Fixed kGuideListShift = kFixedOne;

/// GuideOp2627 resizes the caller's handle to this header and then the entries: the vertical guides
/// first, then the horizontal ones.
struct GuideListHeader {
    int16_t verticalCount;    // 0
    int16_t horizontalCount;  // 2
    int32_t reserved;         // 4
};
static_assert(sizeof(GuideListHeader) == 8);
inline constexpr size_t kGuideListEntries = sizeof(GuideListHeader);

/// A page set-up that XpkOp5070 builds and XpkOp3146 applies; freed by XpkOp3183.
struct PageSetupRecord {
    Fixed height;        // 0
    Fixed width;         // 4
    Fixed margins[4];    // 8: top, bottom, left, right (the order XdgOp512 writes)
    int32_t facing;      // 24
    int32_t columns;     // 28
    Fixed gutter;        // 32
    int32_t pageCount;   // 36: the page count the set-up was built for
};
static_assert(sizeof(PageSetupRecord) == 40);
static_assert(offsetof(PageSetupRecord, margins) == 8);
static_assert(offsetof(PageSetupRecord, gutter) == 32);

#pragma pack(push, 1)
/// One page of a spread's page table (the record GetBoxRecord gives for a spread's page item, a handle
/// whose bytes are a 16-bit page count and then one entry per page). Spread coordinates.
struct PageTableEntry {
    uint8_t reserved[8];    // 0
    Fixed top;              // 8: the page rectangle
    Fixed left;             // 12
    Fixed bottom;           // 16
    Fixed right;            // 20
    uint8_t reserved2[24];  // 24
    Fixed marginTop;        // 48
    Fixed marginBottom;     // 52
    Fixed marginInside;     // 56: the left margin of a right-hand or single page
    Fixed marginOutside;    // 60
    uint8_t reserved3[40];  // 64
};
#pragma pack(pop)
static_assert(sizeof(PageTableEntry) == 104);
static_assert(offsetof(PageTableEntry, top) == 8);
static_assert(offsetof(PageTableEntry, marginTop) == 48);
static_assert(offsetof(PageTableEntry, marginInside) == 56);
static_assert(offsetof(PageTableEntry, marginOutside) == 60);
inline constexpr size_t kPageTableEntries = sizeof(int16_t);

/// The document type that XpkOp3146 accepts ("XDOC" as the plug-ins spell it).
inline constexpr FourLetterCode kPageSetupDocument = 0x58444F43;

inline constexpr int32_t kCharacterStyle = 1;
inline constexpr int32_t kParagraphStyle = 2;
/// The third kind of style sheet a table holds: named sheets whose definition no plug-in reads, which a
/// table need not have (it keeps no default of this kind).
inline constexpr int32_t kStyleKind5 = 5;
/// The longest name a style sheet of kind 5 takes, as the other kinds' records hold theirs.
inline constexpr size_t kStyleKind5NameMax = 63;

#pragma pack(push, 1)
/// A character style sheet as StyleSheetOp5141 reads and StyleSheetOp5142 writes it.
struct CharacterStyleRecord {
    char name[64];           // 0: zero-terminated
    uint8_t reserved[96];    // 64
    int32_t font;            // 0xA0
    Fixed size;              // 0xA4
    Fixed horizontalScale;   // 0xA8: 1.0 = 100 %
    Fixed tracking;          // 0xAC
    uint8_t tail[16];        // 0xB0
};
static_assert(sizeof(CharacterStyleRecord) == 0xC0);
static_assert(offsetof(CharacterStyleRecord, size) == 0xA4);
static_assert(offsetof(CharacterStyleRecord, horizontalScale) == 0xA8);

/// A paragraph style sheet as StyleSheetOp5138 reads and StyleSheetOp5139 writes it. The tab handle at
/// 0xAA is unaligned: read and write it with memcpy. A record read out holds the style's own block;
/// the caller replaces it with a copy before changing it, and the host copies what is written back.
struct ParagraphStyleRecord {
    char name[64];                // 0
    uint8_t reserved[106];        // 64
    uint8_t tabs[8];              // 0xAA: a Handle of 16-byte tab entries, or null
    uint8_t reserved2[8];         // 0xB2
    Fixed leftIndent;             // 0xBA
    Fixed firstLineIndent;        // 0xBE
    Fixed rightIndent;            // 0xC2
    Fixed leading;                // 0xC6: 0 = auto
    Fixed spaceBefore;            // 0xCA
    Fixed spaceAfter;             // 0xCE
    uint8_t reserved3[4];         // 0xD2
    Fixed dropCapDepth;           // 0xD6
    uint8_t reserved4[36];        // 0xDA
    Fixed ruleAboveOffset;        // 0xFE
    Fixed ruleBelowOffset;        // 0x102
    uint8_t reserved5[36];        // 0x106
    Fixed baselineShift;          // 0x12A
    uint8_t reserved6[24];        // 0x12E
    Fixed size;                   // 0x146: the style's character size
    Fixed horizontalScale;        // 0x14A
    uint8_t tail[2];              // 0x14E
};
#pragma pack(pop)
static_assert(sizeof(ParagraphStyleRecord) == 0x150);
static_assert(offsetof(ParagraphStyleRecord, tabs) == 0xAA);
static_assert(offsetof(ParagraphStyleRecord, leftIndent) == 0xBA);
static_assert(offsetof(ParagraphStyleRecord, leading) == 0xC6);
static_assert(offsetof(ParagraphStyleRecord, dropCapDepth) == 0xD6);
static_assert(offsetof(ParagraphStyleRecord, ruleAboveOffset) == 0xFE);
static_assert(offsetof(ParagraphStyleRecord, ruleBelowOffset) == 0x102);
static_assert(offsetof(ParagraphStyleRecord, baselineShift) == 0x12A);
static_assert(offsetof(ParagraphStyleRecord, size) == 0x146);
static_assert(offsetof(ParagraphStyleRecord, horizontalScale) == 0x14A);

} // namespace xt
