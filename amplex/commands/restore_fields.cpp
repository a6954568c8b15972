// The field sets of undo, by the record's byte offsets.
#include "amplex/commands/restore_fields.h"

#include <iterator>

#include "xtapi/box_record.h"

namespace amplex {
namespace {

constexpr FieldSpan kWeight{0x2A, 4};
constexpr FieldSpan kOutsets{0x6E, 16};
constexpr FieldSpan kRectAndCorner{0x92, 20};
constexpr FieldSpan kRect{0x92, 16};
constexpr FieldSpan kCorner{0xA2, 4};
constexpr FieldSpan kAngleAndSkew{0x0E, 8};
// The picture's fields that a Bezier picture box and a framed one keep.
constexpr FieldSpan kPictureFields[] = {
    {0x186, 4}, {0x18A, 4}, {0x19A, 4}, {0x19E, 4}, {0x1A2, 4}, {0x1A6, 4}, {0x1AA, 4}, {0x1AE, 4}};
// A framed text box's inner fields: gutter, insets and the two lengths.
constexpr FieldSpan kTextFields[] = {{0x18A, 4}, {0x18E, 4}, {0x192, 4}, {0x196, 4}, {0x19A, 4}, {0x1AA, 4}, {0x1AE, 4}};

enum class Set : uint8_t { None, Plain, Shaped, Curved, CurvedPicture, Framed, FramedPicture, Full };

RestoreSet build(Set set)
{
    RestoreSet r;
    switch (set) {
    case Set::None:
        break;
    case Set::Plain:
        r.spans = {kWeight, kOutsets, kRectAndCorner, kAngleAndSkew};
        break;
    case Set::Shaped:
        r.spans = {kWeight, kOutsets};
        r.shapeData = true;
        break;
    case Set::Curved:
    case Set::CurvedPicture:
        r.spans = {kWeight, kOutsets};
        if (set == Set::CurvedPicture)
            r.spans.insert(r.spans.end(), std::begin(kPictureFields), std::end(kPictureFields));
        r.mirrorBits = true;
        r.shapeData = true;
        break;
    case Set::Framed:
    case Set::FramedPicture:
        r.spans = {kCorner, kRect, kWeight, kOutsets};
        if (set == Set::FramedPicture)
            r.spans.insert(r.spans.end(), std::begin(kPictureFields), std::end(kPictureFields));
        r.mirrorBits = true;
        break;
    case Set::Full:
        r.spans = {kCorner, kWeight, kRect, kOutsets};
        r.spans.insert(r.spans.end(), std::begin(kTextFields), std::end(kTextFields));
        r.mirrorBits = true;
        break;
    }
    return r;
}

/// Lines and point lists restore the same fields whatever the item; curves and framed shapes
/// restore what the item's kind adds to them.
Set setForShape(uint8_t shape, Set curved, Set framed)
{
    if (xt::shape::isLine(shape))
        return Set::Plain;
    if (xt::shape::isPointList(shape))
        return Set::Shaped;
    if (xt::shape::isBezier(shape))
        return curved;
    return xt::shape::isFramed(shape) ? framed : Set::None;
}

Set plainSet(uint8_t shape) { return setForShape(shape, Set::Curved, Set::Framed); }
Set textSet(uint8_t shape) { return setForShape(shape, Set::Curved, Set::Full); }
Set pictureSet(uint8_t shape) { return setForShape(shape, Set::CurvedPicture, Set::FramedPicture); }

} // namespace

RestoreSet restoreSetFor(int16_t kind, int16_t shape)
{
    const auto s = static_cast<uint8_t>(shape);
    switch (static_cast<xt::BoxKind>(kind)) {
    case xt::BoxKind::PlainZero:
    case xt::BoxKind::Plain:
        return build(plainSet(s));
    case xt::BoxKind::Text: {
        RestoreSet r = build(textSet(s));
        r.text = true;
        return r;
    }
    case xt::BoxKind::Picture:
        return build(pictureSet(s));
    default:
        return {};
    }
}

} // namespace amplex
