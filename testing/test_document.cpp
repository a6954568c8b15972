// Test documents built in a few lines.
#include "testing/test_document.h"

#include <cassert>
#include <cmath>
#include <string>

namespace host::model::testdoc {

std::string describe(const xt::FixedRect& r)
{
    auto p = [](xt::Fixed v) { return std::to_string(v / 65536.0); };
    return "(" + p(r.top) + ", " + p(r.left) + ", " + p(r.bottom) + ", " + p(r.right) + ")";
}

Item& addBox(Layout& layout, size_t page, const xt::FixedRect& bounds, xt::BoxKind kind, uint8_t shape)
{
    return layout.items().addItem(layout.page(page).ref(), kind, shape, bounds);
}

Item& addTextBox(Layout& layout, size_t page, const xt::FixedRect& bounds)
{
    return addBox(layout, page, bounds, xt::BoxKind::Text);
}

Item& addPictureBox(Layout& layout, size_t page, const xt::FixedRect& bounds)
{
    Item& box = addBox(layout, page, bounds, xt::BoxKind::Picture);
    xt::PictureFields picture{};
    picture.scales[0] = xt::kFixedOne;
    picture.scales[1] = xt::kFixedOne;
    box.setPicture(picture);
    return box;
}

Item& addLine(Layout& layout, size_t page, xt::FixedPoint first, xt::FixedPoint second, uint8_t shape)
{
    return addBox(layout, page, {first.v, first.h, second.v, second.h}, xt::BoxKind::Plain, shape);
}

Item& addAngledLine(Layout& layout, size_t page, xt::FixedPoint first, xt::Fixed length, double degrees)
{
    Item& line = addBox(layout, page, {first.v, first.h, first.v, first.h + length}, xt::BoxKind::Plain, xt::shape::kLine);
    line.setAngle(static_cast<xt::Fixed>(std::lround(degrees * xt::kFixedOne)));
    return line;
}

Item& addShape(Layout& layout, size_t page, const std::vector<xt::FixedPoint>& points, uint8_t shape, xt::BoxKind kind)
{
    Item* item = layout.items().addShaped(layout.page(page).ref(), kind, shape, points);
    assert(item && "the host ran out of memory while building a test document");
    return *item;
}

Item& addGroup(Layout& layout, const std::vector<int32_t>& members)
{
    Item* group = layout.items().addGroup(members);
    assert(group && "a test group needs top-level members");
    return *group;
}

Item& addTable(Layout& layout, size_t page, xt::FixedPoint topLeft, const std::vector<xt::Fixed>& widths,
    const std::vector<xt::Fixed>& heights, xt::Fixed lineWeight)
{
    return layout.items().addTable(layout.page(page).ref(), topLeft, widths, heights, lineWeight);
}

int32_t select(Layout& layout, const std::vector<int32_t>& items)
{
    return layout.items().selectItems(items);
}

} // namespace host::model::testdoc
