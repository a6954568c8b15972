// The host item record (538 bytes), the shape data of point-list and Bezier items, and the place
// record that GetBoxBounds and PageOp3594 write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "xtapi/types.h"

namespace xt {

/// Item kinds, byte 40 of the record. Kinds 0 and 5 are both plain items; the host makes 5.
enum class BoxKind : uint8_t { PlainZero = 0, Unscaled = 1, Group = 2, Text = 3, Picture = 4, Plain = 5 };

/// Item shapes, byte 41. Shapes 0 and 5 to 9 are framed rectangles (6 to 9 have a corner at +162),
/// 1 and 2 lines, 3 and 4 point lists, 10 and 11 Bezier outlines.
namespace shape {
inline constexpr uint8_t kRectangleOld = 0;
inline constexpr uint8_t kLine = 1;       // any direction; an angle turns it about its first end
inline constexpr uint8_t kLineDown = 2;   // its length runs down from its top
inline constexpr uint8_t kPolygon = 3;
inline constexpr uint8_t kPolyline = 4;
inline constexpr uint8_t kRectangle = 5;
inline constexpr uint8_t kRoundedCorner = 6;
inline constexpr uint8_t kBevelledCorner = 7;
inline constexpr uint8_t kConcaveCorner = 8;
inline constexpr uint8_t kOval = 9;
inline constexpr uint8_t kBezier = 10;
inline constexpr uint8_t kBezierLine = 11;

constexpr bool isFramed(uint8_t s) { return s == kRectangleOld || (s >= kRectangle && s <= kOval); }
constexpr bool isLine(uint8_t s) { return s == kLine || s == kLineDown; }
constexpr bool isPointList(uint8_t s) { return s == kPolygon || s == kPolyline; }
constexpr bool isBezier(uint8_t s) { return s == kBezier || s == kBezierLine; }
/// Shapes whose record holds the shape-data handle at +146 instead of a rectangle.
constexpr bool hasShapeData(uint8_t s) { return isPointList(s) || isBezier(s); }
} // namespace shape

/// Bits of the 16-bit flags at +38.
inline constexpr uint16_t kPictureMirroredAcross = 0x80;
inline constexpr uint16_t kPictureMirroredDown = 0x100;
/// Bit 0 of byte 388 of a kind-2 item: set for the pseudo-group that stands for several selected
/// items, clear for a real group.
inline constexpr uint8_t kSelectionGroupBit = 0x01;
/// Bit of byte 389: the item is locked, so commands leave it where it is and do not change its content.
inline constexpr uint8_t kItemLocked = 0x01;
/// Byte 46, the style of a line or of an item's frame: bits 2 to 5 the line style (0 solid, 1 dotted,
/// 2 dashed, 3 dash and dot, 4 long dashes; the rules a plug-in draws clear them), and for a line its
/// arrowheads, bit 0 at its first end and bit 1 at its second.
inline constexpr uint8_t kLineStyleMask = 0x3C;
inline constexpr int kLineStyleShift = 2;
inline constexpr uint8_t kArrowAtFirst = 0x01;
inline constexpr uint8_t kArrowAtSecond = 0x02;
/// The line styles the host draws; a higher style is kept as given and drawn solid.
inline constexpr uint8_t kMostLineStyle = 4;
/// Bit of the text flags at +392: the text runs on into another box.
inline constexpr uint8_t kTextRunsOn = 0x04;

/// Top, left, bottom, right in points; the vertical coordinate comes first, as in every host rectangle.
struct FixedRect {
    Fixed top, left, bottom, right;
};
static_assert(sizeof(FixedRect) == 16);

/// A point, vertical first.
struct FixedPoint {
    Fixed v, h;
};
static_assert(sizeof(FixedPoint) == 8);

/// A point of the layout window in whole points, as the host's mouse event record holds it at byte 20
/// (XaqOp141): the horizontal in the low half.
struct MousePoint {
    int16_t h, v;
};
static_assert(sizeof(MousePoint) == 4 && offsetof(MousePoint, v) == 2);

#pragma pack(push, 1)

// The records below lie at any byte offset (the rectangle of an item record at 146), so every type
// in them has an alignment of 1: a reference to a field is then always a valid reference.

/// A FixedRect as it lies inside a record; it reads as and is assigned from a FixedRect.
struct RecordRect {
    Fixed top, left, bottom, right;

    operator FixedRect() const { return {top, left, bottom, right}; }
    RecordRect& operator=(const FixedRect& rect)
    {
        top = rect.top;
        left = rect.left;
        bottom = rect.bottom;
        right = rect.right;
        return *this;
    }
};
static_assert(sizeof(RecordRect) == 16 && alignof(RecordRect) == 1);

/// Bytes 390 to 433 of a picture box (also a Bezier picture box).
struct PictureFields {
    int16_t bounds[4];        // 390: b0..b3 of the picture
    uint8_t reserved398[2];   // 398
    int16_t colour;           // 400: the colour a one-colour picture is printed in
    uint8_t reserved402[8];   // 402
    Fixed held[2];            // 410, 414: cleared while the picture is scaled, then put back
    Fixed offsets[2];         // 418, 422: offset across, down
    Fixed scales[2];          // 426, 430: scale across, down; 1.0 is 100 %
};
static_assert(sizeof(PictureFields) == 44);

/// The kind XpuOp4302 gives for a picture its box can be fitted to; an empty picture box has kind 0.
inline constexpr int16_t kFittablePictureKind = 4;

/// Bytes 390 to 433 of a text box.
struct TextFields {
    uint8_t reserved390[2];   // 390
    uint8_t flags;            // 392: kTextRunsOn
    uint8_t reserved393;      // 393
    Fixed gutter;             // 394
    Fixed insetTop;           // 398: vertical spacing, counted in the minimum height
    Fixed insetsAcross[2];    // 402, 406: horizontal spacing
    Fixed insetBottom;        // 410: vertical spacing, counted in the minimum height
    uint8_t reserved414[8];   // 414
    uint8_t columns;          // 422
    uint8_t reserved423[3];   // 423
    Fixed lengths[2];         // 426, 430: two further lengths that scale vertically
};
static_assert(sizeof(TextFields) == 44);

/// The host item record. GetBoxRecord hands out an independent copy; BoxRecordOp3010 applies one.
/// Fields are unaligned (the rectangle sits at 146), so code that takes a field's address passes it
/// on as bytes, and the host reads such addresses with memcpy.
/// The shape-data handle at 146 is 8 bytes on a 64-bit build; it lies over the rectangle's top and
/// left, which a shaped item does not use.
struct BoxRecord {
    uint8_t reserved0[14];    // 0
    Fixed angle;              // 14: degrees; a line whose whole part is 0 is written by its end points
    Fixed skew;               // 18
    uint8_t reserved22[16];   // 22
    uint16_t flags;           // 38: kPictureMirrored*
    uint8_t kind;             // 40: BoxKind
    uint8_t shape;            // 41: shape::k*
    Fixed weight;             // 42: frame or line weight
    uint8_t style;            // 46: line style and arrowheads (kLineStyleMask, kArrowAt*)
    uint8_t reserved47[3];    // 47
    Fixed frameShade;         // 50: shade of the frame or line, 1.0 the full colour
    uint8_t reserved54[4];    // 54
    int16_t frameColour;      // 58: colour of the frame or line, a number of the layout's colour table
    uint8_t reserved60[50];   // 60
    Fixed outsets[4];         // 110, 114, 118, 122: top, left, bottom, right
    uint8_t reserved126[20];  // 126
    union {
        RecordRect rect;      // 146: top, left, bottom, right
        Handle shapeData;     // 146: shapes 3, 4, 10, 11
    } geometry;
    Fixed corner;             // 162: corner radius or shape length of shapes 6 to 9
    uint8_t reserved166[16];  // 166
    Fixed backgroundShade;    // 182
    uint8_t reserved186[4];   // 186
    int16_t backgroundColour; // 190: kNoColour (-3) for none
    uint8_t reserved192[196]; // 192
    uint8_t groupFlags;       // 388: kSelectionGroupBit
    uint8_t lockFlags;        // 389: kItemLocked; read only, a record applied leaves the lock as it is
    union {
        PictureFields picture;
        TextFields text;
    } content;                // 390
    uint8_t reserved434[104]; // 434
};

inline constexpr size_t kBoxRecordSize = 538;
static_assert(sizeof(BoxRecord) == kBoxRecordSize);
static_assert(offsetof(BoxRecord, angle) == 14);
static_assert(offsetof(BoxRecord, skew) == 18);
static_assert(offsetof(BoxRecord, flags) == 38);
static_assert(offsetof(BoxRecord, style) == 46);
static_assert(offsetof(BoxRecord, kind) == 40);
static_assert(offsetof(BoxRecord, lockFlags) == 389);
static_assert(offsetof(BoxRecord, shape) == 41);
static_assert(offsetof(BoxRecord, weight) == 42);
static_assert(offsetof(BoxRecord, frameShade) == 50);
static_assert(offsetof(BoxRecord, frameColour) == 58);
static_assert(offsetof(BoxRecord, backgroundShade) == 182);
static_assert(offsetof(BoxRecord, backgroundColour) == 190);
static_assert(offsetof(BoxRecord, outsets) == 110);
static_assert(offsetof(BoxRecord, geometry) == 146);
static_assert(offsetof(BoxRecord, corner) == 162);
static_assert(offsetof(BoxRecord, groupFlags) == 388);
static_assert(offsetof(BoxRecord, content) == 390);
static_assert(offsetof(BoxRecord, content.picture.bounds) == 390);
static_assert(offsetof(BoxRecord, content.picture.colour) == 400);
static_assert(offsetof(BoxRecord, content.picture.held) == 410);
static_assert(offsetof(BoxRecord, content.picture.offsets) == 418);
static_assert(offsetof(BoxRecord, content.picture.scales) == 426);
static_assert(offsetof(BoxRecord, content.text.flags) == 392);
static_assert(offsetof(BoxRecord, content.text.gutter) == 394);
static_assert(offsetof(BoxRecord, content.text.insetTop) == 398);
static_assert(offsetof(BoxRecord, content.text.insetsAcross) == 402);
static_assert(offsetof(BoxRecord, content.text.insetBottom) == 410);
static_assert(offsetof(BoxRecord, content.text.columns) == 422);
static_assert(offsetof(BoxRecord, content.text.lengths) == 426);

/// Byte offsets of the record's corners, for the calls that take "the address of the record's
/// top-left" (XgfOp662, XgfOp672).
inline constexpr size_t kRecordTopLeft = offsetof(BoxRecord, geometry);
inline constexpr size_t kRecordBottomRight = kRecordTopLeft + 8;

/// The shape data that a shaped item's handle holds: a header, then `pointCount` points (v, h).
/// A Bezier outline stores each vertex as three points: the control point before it, the vertex and
/// the control point after it.
struct ShapeDataHeader {
    int32_t byteSize;     // 0: the whole block, header and points
    RecordRect rect;      // 4: top, left, bottom, right; XsiOp1289 maps the points with it
    int32_t pointCount;   // 20
};
static_assert(sizeof(ShapeDataHeader) == 24);
static_assert(offsetof(ShapeDataHeader, rect) == 4);
static_assert(offsetof(ShapeDataHeader, pointCount) == 20);
inline constexpr size_t kShapeDataPoints = sizeof(ShapeDataHeader);

/// The place of an item (GetBoxBounds) or of a page (PageOp3594).
struct PlaceRecord {
    int16_t spread;         // 0: index of the spread, from 0
    int16_t placeInSpread;  // 2: position of the page in its spread, 0 for the first
    int16_t pageKey;        // 4: the same value as placeInSpread
    int16_t pageNumber;     // 6: the page number, from 1
    Fixed pageTop;          // 8: the page's upper-left corner in spread coordinates
    Fixed pageLeft;         // 12
};
static_assert(sizeof(PlaceRecord) == 16);
static_assert(offsetof(PlaceRecord, pageKey) == 4);
static_assert(offsetof(PlaceRecord, pageNumber) == 6);

#pragma pack(pop)

/// Reads a value at a byte offset of a record or point that may be unaligned.
template <class T>
T readAt(const void* base, size_t offset = 0)
{
    T value;
    std::memcpy(&value, static_cast<const uint8_t*>(base) + offset, sizeof value);
    return value;
}

template <class T>
void writeAt(void* base, const T& value, size_t offset = 0)
{
    std::memcpy(static_cast<uint8_t*>(base) + offset, &value, sizeof value);
}

} // namespace xt
