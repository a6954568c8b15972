// Writing a line back: by its two end points, or by its length and angle.
#include <cmath>

#include "amplex/engine/common/scale_factors.h"
#include "amplex/engine/scalers/item_bounds.h"
#include "amplex/engine/scalers/line_scaler.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/document/box_record_lease.h"
#include "foundation/numbers/fixed_math.h"

namespace amplex {
namespace {

constexpr Fixed kDegreesInHalfTurn = 0xB40000;  // 180.0
constexpr Fixed kHalfTurnInRadians = 0x32440;   // 3.1416015625, the host's pi

bool isLineShape(const foundation::BoxRecordLease& record)
{
    return record && xt::shape::isLine(record->shape);
}

/// The distance between the points, rounded to the nearest 1/65536 pt.
Fixed lineLength(FixedPoint first, FixedPoint second)
{
    const double across = (double(second.h) - double(first.h)) / 65536.0;
    const double down = (double(second.v) - double(first.v)) / 65536.0;
    return foundation::DoubleToFixed(std::sqrt(across * across + down * down) + 0.5 / 65536.0);
}

/// The angle of the line in degrees, counter-clockwise on the page, as the host reckons it.
Fixed lineAngle(FixedPoint first, FixedPoint second)
{
    const Fixed radians = xt::calls::FixedArcTangent(difference(second.h, first.h), difference(second.v, first.v));
    const Fixed halfTurns = xt::calls::FixedMultiply(radians, kDegreesInHalfTurn);
    return -xt::calls::FixedDivide(halfTurns, kHalfTurnInRadians);
}

Fixed plusPoint(Fixed value)
{
    return sum(value, xt::kFixedOne);
}

Fixed minusPoint(Fixed value)
{
    return difference(value, xt::kFixedOne);
}

/// Writes into one corner of the record the point the host's transform takes to `wanted`; false
/// when the host could not transform it.
bool placeCorner(int32_t item, foundation::BoxRecordLease& record, size_t cornerOffset, FixedPoint wanted)
{
    const FixedPoint shifted{plusPoint(wanted.v), plusPoint(wanted.h)};
    const int32_t context = xt::calls::XgfOp662(item, record.fieldAddress(cornerOffset));
    return xt::calls::XgfOp672(&shifted, context) == 0;
}

} // namespace

void SetLineLengthAndAngle(int32_t item, FixedPoint first, FixedPoint second)
{
    if (item == 0)
        return;
    foundation::BoxRecordLease record = foundation::BoxRecordLease::of(item);
    if (!isLineShape(record))
        return;
    const Fixed length = lineLength(first, second);
    FixedRect rect = record->geometry.rect;
    if (record->shape == xt::shape::kLineDown) {
        rect.bottom = sum(rect.top, length);
    } else {
        rect.right = sum(rect.left, length);
        record->angle = lineAngle(first, second);
    }
    record->geometry.rect = rect;
    record.storeTo(item, 1);
    record.release();

    // The host turns the line about its own corner; move it so its first end is where it belongs.
    const auto ends = GetItemBounds(item);
    if (!ends)
        return;
    foundation::reportHostResult(xt::calls::BoxOp1804(
        item, difference(first.h, ends->first.h), difference(first.v, ends->first.v), 0));
}

void MoveLineEnds(int32_t item, FixedPoint first, FixedPoint second)
{
    int16_t type = 0;
    if (xt::calls::GetBoxType(item, &type) != 0 || !xt::shape::isLine(static_cast<uint8_t>(type)))
        return;
    foundation::BoxRecordLease record = foundation::BoxRecordLease::of(item);
    if (!record)
        return;
    // A corner left untransformed would store the line somewhere else entirely.
    if (!placeCorner(item, record, xt::kRecordTopLeft, first) || !placeCorner(item, record, xt::kRecordBottomRight, second))
        return;
    const FixedRect rect = record->geometry.rect;
    record->geometry.rect =
        FixedRect{minusPoint(rect.top), minusPoint(rect.left), minusPoint(rect.bottom), minusPoint(rect.right)};
    record.storeTo(item, 1);
}

} // namespace amplex
