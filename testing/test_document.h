// Helpers that build a document's items in a few lines, for the host's and the plug-ins' tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/model/document_model.h"

namespace host::model::testdoc {

/// Points to Fixed: pt(12.5) == 0xC8000.
constexpr xt::Fixed pt(double points)
{
    return static_cast<xt::Fixed>(points * xt::kFixedOne);
}

/// A rectangle in points: top, left, bottom, right.
constexpr xt::FixedRect rect(double top, double left, double bottom, double right)
{
    return {pt(top), pt(left), pt(bottom), pt(right)};
}

/// A point in points: vertical, horizontal.
constexpr xt::FixedPoint point(double v, double h)
{
    return {pt(v), pt(h)};
}

/// Whether two rectangles are the same to the last bit.
constexpr bool sameRect(const xt::FixedRect& a, const xt::FixedRect& b)
{
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

/// "(top, left, bottom, right)" in points, for a failure message.
std::string describe(const xt::FixedRect& r);

/// A box on page `page` (from 0): a plain rectangle unless told otherwise.
Item& addBox(Layout& layout, size_t page, const xt::FixedRect& bounds, xt::BoxKind kind = xt::BoxKind::Plain,
    uint8_t shape = xt::shape::kRectangle);
Item& addTextBox(Layout& layout, size_t page, const xt::FixedRect& bounds);
Item& addPictureBox(Layout& layout, size_t page, const xt::FixedRect& bounds);
/// A line from `first` to `second`, drawn by its end points (angle 0).
Item& addLine(Layout& layout, size_t page, xt::FixedPoint first, xt::FixedPoint second, uint8_t shape = xt::shape::kLine);
/// A line of `length` from `first`, turned by `degrees` (counter-clockwise).
Item& addAngledLine(Layout& layout, size_t page, xt::FixedPoint first, xt::Fixed length, double degrees);
/// A point-list or Bezier item through `points`.
Item& addShape(Layout& layout, size_t page, const std::vector<xt::FixedPoint>& points,
    uint8_t shape = xt::shape::kPolygon, xt::BoxKind kind = xt::BoxKind::Plain);
/// A real group of the items.
Item& addGroup(Layout& layout, const std::vector<int32_t>& members);
/// A table whose top-left corner is `topLeft`, with a text cell per column and row.
Item& addTable(Layout& layout, size_t page, xt::FixedPoint topLeft, const std::vector<xt::Fixed>& widths,
    const std::vector<xt::Fixed>& heights, xt::Fixed lineWeight = pt(1));

/// Makes the items the selection (a pseudo-group for more than one); returns the current item.
int32_t select(Layout& layout, const std::vector<int32_t>& items);

} // namespace host::model::testdoc
