// Records and codes that the text operations exchange with plug-ins: attribute codes, attribute
// records, tab entries and lists, and the line records of the layout probe.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace xt {

/// Character attribute codes of GetTextValue691 and SetStoryValue3094. A code n and the code -(100 + n)
/// name the same attribute (-103 and 3 are both the point size).
enum CharacterCode : int32_t {
    kCharAttributes = 0,       // GetTextValue691 only: fills a CharacterRecord
    kCharFont = 1,             // font id
    kCharStyle = 2,            // style bits (kStyleBold ...)
    kCharSize = 3,             // point size, Fixed
    kCharHorizontalScale = 4,  // Fixed, 1.0 = 100 %
    kCharVerticalScale = 5,    // Fixed, 1.0 = 100 %
    kCharColour = 6,           // colour index
    kCharShade = 7,            // Fixed, 1.0 = 100 %
    kCharBaselineShift = 8,    // Fixed points
    kCharTracking = 9,         // Fixed, in 1/200 of an em
    kCharLeading = 10,         // Fixed points; 0 = auto
    kCharWidthLocked = 11,     // 1: the horizontal scale of these characters is not to be changed
};
inline constexpr int32_t kCharacterCodeCount = 12;
/// The negative form of a character code: -(100 + code).
constexpr int32_t negativeCharacterCode(int32_t code) { return -(100 + code); }

/// What GetTextValue691 answers when the selected characters do not share one value.
inline constexpr Fixed kMixedValue = -1;

enum StyleBits : uint16_t {
    kStyleBold = 0x0001,
    kStyleItalic = 0x0002,
    kStyleUnderline = 0x0004,
    kStyleStrikeThrough = 0x0008,
    kStyleOutline = 0x0010,
    kStyleShadow = 0x0020,
    kStyleSmallCaps = 0x0040,
    kStyleAllCaps = 0x0080,
    kStyleSuperscript = 0x0100,
    kStyleSubscript = 0x0200,
};

/// Paragraph attribute codes of GetTextRunAttribute and SetTextRunAttribute (0 reads the ParagraphRecord).
enum ParagraphCode : int32_t {
    kParaAttributes = 0,
    kParaRuleAboveOn = 0x06,
    kParaRuleBelowOn = 0x07,
    kParaRuleAboveOffsetIsPercent = 0x0A,  // 1: the rule's offset is a percentage and does not scale
    kParaRuleBelowOffsetIsPercent = 0x0B,
    kParaAlignment = 0x19,                 // 0 left, 1 centre, 2 right, 3 justified
    kParaLeftIndent = 0x1A,
    kParaFirstLineIndent = 0x1B,
    kParaRightIndent = 0x1C,
    kParaLeading = 0x1D,                   // Fixed points; 0 = auto
    kParaSpaceBefore = 0x1E,
    kParaSpaceAfter = 0x1F,
    kParaRuleAboveWeight = 0x20,
    kParaRuleAboveStyle = 0x21,
    kParaRuleAboveColour = 0x22,
    kParaRuleAboveShade = 0x23,
    kParaRuleAboveLeftIndent = 0x24,
    kParaRuleAboveRightIndent = 0x25,
    kParaRuleAboveOffset = 0x26,
    kParaRuleBelowWeight = 0x27,
    kParaRuleBelowStyle = 0x28,
    kParaRuleBelowColour = 0x29,
    kParaRuleBelowShade = 0x2A,
    kParaRuleBelowLeftIndent = 0x2B,
    kParaRuleBelowRightIndent = 0x2C,
    kParaRuleBelowOffset = 0x2D,
    kParaTabs = 0x36,                      // value: a handle of TabEntry records (count = size / 16)
};

/// The characters 11, 12 and 13 each end a paragraph (and the line it ends on).
inline constexpr uint16_t kParagraphEndCharacter = 13;
constexpr bool isParagraphEnd(uint16_t c)
{
    return c == 11 || c == 12 || c == 13;
}
/// The character that holds an anchored item's place in a story.
inline constexpr uint16_t kAnchorCharacter = 0xFFFC;

#pragma pack(push, 1)

/// GetTextValue691(story, 0, &record, 0): the attributes of the selection's first character.
struct CharacterRecord {
    int16_t font;               // 0
    uint16_t style;             // 2: StyleBits
    Fixed size;                 // 4
    Fixed tracking;             // 8
    int16_t colour;             // 12
    uint8_t flags;              // 14: bit 0 set = horizontal scale locked (kCharWidthLocked)
    uint8_t reserved15;         // 15
    Fixed horizontalScale;      // 16
    Fixed verticalScale;        // 20
    Fixed baselineShift;        // 24
    Fixed shade;                // 28
    Fixed leading;              // 32
    uint8_t reserved[76];       // 36
};
static_assert(sizeof(CharacterRecord) == 112);
static_assert(offsetof(CharacterRecord, flags) == 14);
static_assert(offsetof(CharacterRecord, horizontalScale) == 16);
static_assert(offsetof(CharacterRecord, leading) == 32);
inline constexpr uint8_t kCharacterFlagWidthLocked = 0x01;

/// A rule above or below a paragraph, inside the ParagraphRecord.
struct RuleRecord {
    Fixed weight;               // 0
    Fixed leftIndent;           // 4
    Fixed rightIndent;          // 8
    Fixed offset;               // 12
    int16_t colour;             // 16
    int16_t style;              // 18
    Fixed shade;                // 20
    uint8_t on;                 // 24
    uint8_t offsetIsPercent;    // 25
    uint8_t reserved[2];        // 26
};
static_assert(sizeof(RuleRecord) == 28);

/// GetTextRunAttribute(story, start, end, 0, &record, &value): the first paragraph's attributes.
struct ParagraphRecord {
    uint32_t flags;             // 0: kParagraphRuleAbove, kParagraphRuleBelow
    Fixed leftIndent;           // 4
    Fixed firstLineIndent;      // 8
    Fixed rightIndent;          // 12
    Fixed leading;              // 16: 0 = auto
    Fixed spaceBefore;          // 20
    Fixed spaceAfter;           // 24
    int16_t alignment;          // 28
    int16_t reserved30;         // 30
    RuleRecord ruleAbove;       // 32
    RuleRecord ruleBelow;       // 60
    uint8_t reserved88[40];     // 88
    int32_t tabReference;       // 128: for GetTabList; 0 = no tab stops
    int16_t tabCount;           // 132
    uint8_t reserved134[14];    // 134
};
static_assert(sizeof(ParagraphRecord) == 148);
static_assert(offsetof(ParagraphRecord, ruleAbove) == 32);
static_assert(offsetof(ParagraphRecord, ruleBelow) == 60);
static_assert(offsetof(ParagraphRecord, tabReference) == 128);
inline constexpr uint32_t kParagraphRuleAbove = 0x20;
inline constexpr uint32_t kParagraphRuleBelow = 0x40;

/// One tab stop: the same 16-byte layout for every plug-in.
struct TabEntry {
    int16_t alignment;          // 0: 0 left, 1 centre, 2 right, 3 on the align character
    uint16_t alignCharacter;    // 2
    uint16_t fill[2];           // 4: fill characters, 0 = none
    int32_t reserved;           // 8
    Fixed position;             // 12: from the paragraph's left edge
};
static_assert(sizeof(TabEntry) == 16);
static_assert(offsetof(TabEntry, position) == 12);

/// GetTabList's answer: a count and a caller-owned handle of TabEntry records. The handle's 32-bit
/// slot at byte 4 widens to the pointer's size.
struct TabList {
    int16_t reserved;           // 0
    int16_t count;              // 2
    Handle entries;             // 4
};
static_assert(offsetof(TabList, count) == 2);
static_assert(offsetof(TabList, entries) == 4);

/// One 8-byte entry of the run lists of TextOp3095 and TextOp3096.
struct RunEntry {
    int32_t style;              // 0: the run's attribute reference
    int32_t length;             // 4: characters
};
static_assert(sizeof(RunEntry) == 8);

/// One line of the layout probe (CopyTextToHandle2828).
struct LineRecord {
    int32_t start;              // 0: story offset of the line's first character
    int32_t end;                // 4: story offset one past its last character
    int32_t box;                // 8: the box holding the line; 0 when it is overset
    int16_t column;             // 12: column in that box, from 0
    int16_t reserved14;         // 14
    Fixed left;                 // 16: from the box's left edge to the line's start
    Fixed width;                // 20: the width the line may fill
    Fixed usedWidth;            // 24: the width its characters take
    Fixed ascent;               // 28
    Fixed descent;              // 32
    Fixed height;               // 36: the line's leading
    Fixed baseline;             // 40: from the top of the box
    Fixed bottom;               // 44: from the top of the box to the line's bottom
    int32_t fit;                // 48: kLineDoesNotFit, or 0
    int32_t reserved52[2];      // 52
    Fixed depth;                // 60: the box height that holds the text above this line (insets included)
    int32_t reserved64[3];      // 64
};
static_assert(sizeof(LineRecord) == 76);
static_assert(offsetof(LineRecord, fit) == 48);
static_assert(offsetof(LineRecord, depth) == 60);
inline constexpr int32_t kLineDoesNotFit = 0x7CCCCCCC;

#pragma pack(pop)

} // namespace xt
